#include "candy_button/hook_engine.h"

#include <algorithm>
#include <cstdio>

namespace tarnwick::candy {
namespace {

constexpr char kNotSubclassed[] = "Window handle isn't subclassed";
constexpr char kAlreadySubclassed[] = "Window handle is already subclassed";

std::string HexUpper(std::int32_t value) {
  char text[12];
  std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
  return text;
}

}  // namespace

HookEngine::HookEngine(platform::MessageHookPort& port, HookOwner& self, std::string type_name)
    : port_(port), self_(self), type_name_(std::move(type_name)) {}

HookEngine::~HookEngine() { HookTerminateAll(); }

std::string HookEngine::KeyOf(platform::WindowHandle window) {
  std::string key(1, 'h');
  key += std::to_string(window);
  return key;
}

HookEngine::Registry::iterator HookEngine::FindKey(const std::string& key) {
  return std::find_if(registry_->begin(), registry_->end(),
                      [&key](const auto& item) { return item.first == key; });
}

bool HookEngine::sc_Subclass(platform::WindowHandle window, std::int32_t user_value,
                             std::int32_t callback_ordinal, HookOwner* owner) {
  if (!port_.IsWindow(window)) {
    HookReportError("sc_Subclass", "Invalid window handle");
    return false;
  }
  if (!port_.IsWindowOfThisProcess(window)) {
    HookReportError("sc_Subclass", "Window handle belongs to another process");
    return false;
  }
  if (callback_ordinal != 1) {
    HookReportError("sc_Subclass", "Callback method not found");
    return false;
  }
  if (!registry_) registry_.emplace();
  const std::string key = KeyOf(window);
  if (FindKey(key) != registry_->end()) {
    HookReportError("sc_Subclass", kAlreadySubclassed);
    return false;
  }
  HookRecord* record = BindNewRecord(window, owner ? *owner : self_, user_value);
  if (record == nullptr) return false;
  registry_->emplace_back(key, record);
  return true;
}

HookRecord* HookEngine::BindNewRecord(platform::WindowHandle window, HookOwner& owner,
                                      std::int32_t user_value) {
  HookRecord* record = HookRecord::Create(port_, window, owner, user_value);
  const platform::BindResult bound = record->BindWindow();
  if (!bound.already_bound && bound.previous != 0) return record;
  // A failed replacement leaves nothing behind: the window can be hooked again later.
  record->LeaveRegistry();
  if (bound.already_bound)
    HookReportError("sc_Subclass", kAlreadySubclassed);
  else
    HookReportError("sc_Subclass", "SetWindowLong failed, error #" + std::to_string(bound.error));
  return nullptr;
}

void HookEngine::sc_UnSubclass(platform::WindowHandle window) {
  if (!registry_) {
    HookReportError("sc_UnSubclass", kNotSubclassed);
    return;
  }
  // A key that is gone already has been reported by the lookup; there is nothing to remove.
  HookRecord* record = zMap_hWnd(window);
  if (record == nullptr) return;
  record->RequestRelease();
  registry_->erase(FindKey(KeyOf(window)));
  if (record->IsBound()) record->AwaitRelease(awaiting_release_);
  record->LeaveRegistry();
}

void HookEngine::HookTerminateAll() {
  if (registry_) {
    std::vector<platform::WindowHandle> windows;
    for (auto item = registry_->rbegin(); item != registry_->rend(); ++item)
      windows.push_back(item->second->window);
    for (const platform::WindowHandle window : windows) {
      if (registry_) sc_UnSubclass(window);
    }
    registry_.reset();
  }
  // The control ends its hooks: a release that waits for the window's next message happens now
  // instead, unless a call into the window's previous procedure is in progress. A window hooked
  // during its last message would get no further message, and its record would be lost.
  for (HookRecord* record : HookRecord::AwaitingRelease(*awaiting_release_)) record->ReleaseUnlessNested();
}

void HookEngine::HookAddMessage(platform::WindowHandle window, std::int32_t message, int when) {
  ChangeTables(window, message, when, &HookEngine::zAddMsg);
}

void HookEngine::HookRemoveMessage(platform::WindowHandle window, std::int32_t message, int when) {
  ChangeTables(window, message, when, &HookEngine::zDelMsg);
}

void HookEngine::ChangeTables(platform::WindowHandle window, std::int32_t message, int when,
                              void (HookEngine::*change)(std::int32_t, MessageTable&)) {
  HookRecord* record = zMap_hWnd(window);
  if (record == nullptr) return;
  HookRecord::Use use(*record);
  const std::weak_ptr<const bool> alive = alive_;
  if (when & HOOK_BEFORE) (this->*change)(message, record->before);
  if ((when & HOOK_AFTER) && !alive.expired()) (this->*change)(message, record->after);
}

std::intptr_t HookEngine::HookCallOriginal(platform::WindowHandle window, std::uint32_t message,
                                           std::uintptr_t wparam, std::intptr_t lparam) {
  HookRecord* record = zMap_hWnd(window);
  if (record == nullptr) return 0;
  return record->CallOriginal({window, message, wparam, lparam});
}

std::int32_t HookEngine::HookUserValue(platform::WindowHandle window) {
  const HookRecord* record = zMap_hWnd(window);
  return record ? record->user_value : 0;
}

void HookEngine::HookUserValue(platform::WindowHandle window, std::int32_t value) {
  if (HookRecord* record = zMap_hWnd(window)) record->user_value = value;
}

HookRecord* HookEngine::zMap_hWnd(platform::WindowHandle window) {
  if (!registry_) {
    HookReportError("zMap_hWnd", "Subclassing hasn't been started");
    return nullptr;
  }
  const auto item = FindKey(KeyOf(window));
  if (item == registry_->end()) {
    HookReportError("zMap_hWnd", kNotSubclassed);
    return nullptr;
  }
  return item->second;
}

void HookEngine::zAddMsg(std::int32_t message, MessageTable& table) {
  if (AddToTable(table, message) == TableChange::Overflow)
    HookReportError("zAddMsg",
                    "Message table overflow. Either increase the value of Const MSG_ENTRIES or "
                    "use ALL_MESSAGES instead of specific message values");
}

void HookEngine::zDelMsg(std::int32_t message, MessageTable& table) {
  if (RemoveFromTable(table, message) == TableChange::NotFound)
    HookReportError("zDelMsg", "Message &H" + HexUpper(message) + " not found in table");
}

// The warning box is modal and goes on dispatching messages, which may even destroy this
// engine: nothing of it is touched once the box is shown.
void HookEngine::HookReportError(std::string_view routine, std::string_view text) {
  const std::string where = type_name_ + "." + std::string(routine);
  port_.WriteErrorEntry(where + ": " + std::string(text));
  port_.ShowWarning(std::string(text) + ".", "Error in " + where);
}

}  // namespace tarnwick::candy
