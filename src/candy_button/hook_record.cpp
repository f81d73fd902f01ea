#include "candy_button/hook_record.h"

#include <algorithm>

namespace tarnwick::candy {

HookRecord* HookRecord::Create(platform::MessageHookPort& port, platform::WindowHandle window,
                               HookOwner& owner, std::int32_t user_value) {
  return new HookRecord(port, window, owner, user_value);
}

platform::BindResult HookRecord::BindWindow() {
  const platform::BindResult result = port_.Bind(window, *this);
  if (result.previous != 0 && !result.already_bound) {
    previous = result.previous;
    bound_ = true;
  }
  return result;
}

void HookRecord::RequestRelease() {
  release_request = -1;
  before[0] = 0;
  after[0] = 0;
  if (nesting == 0 && !port_.IsWindow(window)) ReleaseBinding();  // no message will come
}

HookRecord::~HookRecord() {
  if (const auto list = awaiting_release_.lock()) std::erase(*list, this);
}

void HookRecord::AwaitRelease(const std::shared_ptr<AwaitingRelease>& list) {
  list->push_back(this);
  awaiting_release_ = list;
}

void HookRecord::ReleaseUnlessNested() {
  if (nesting == 0) ReleaseBinding();
  DeleteIfUnused();
}

void HookRecord::LeaveRegistry() {
  registered_ = false;
  DeleteIfUnused();
}

std::intptr_t HookRecord::OnBoundMessage(const platform::WindowMessage& message) {
  Use use(*this);
  const std::intptr_t result = RunPasses(message);
  // Nothing reaches the window after its last message: the binding ends with it.
  if (message.message == platform::kMsgNcDestroy) ReleaseBinding();
  return result;
}

std::intptr_t HookRecord::RunPasses(const platform::WindowMessage& message) {
  bool handled = false;
  std::intptr_t result = 0;
  CallOwner(before, true, handled, result, message);
  if (handled) return result;
  ++nesting;
  result = port_.CallProcedure(previous, message);
  --nesting;
  if (nesting == 0 && release_request != 0) {
    ReleaseBinding();
    return result;
  }
  CallOwner(after, false, handled, result, message);
  return result;
}

void HookRecord::CallOwner(const MessageTable& table, bool before_pass, bool& handled,
                           std::intptr_t& result, const platform::WindowMessage& message) {
  if (!TablePasses(table, message.message)) return;
  owner->OnHookMessage(before_pass, handled, result, message.window, message.message,
                       message.wparam, message.lparam, user_value);
}

std::intptr_t HookRecord::CallOriginal(const platform::WindowMessage& message) {
  Use use(*this);
  return port_.CallProcedure(previous, message);
}

void HookRecord::ReleaseBinding() {
  if (!bound_) return;
  bound_ = false;
  port_.Unbind(window, previous);
}

void HookRecord::DeleteIfUnused() {
  if (users_ == 0 && !registered_ && !bound_) delete this;
}

}  // namespace tarnwick::candy
