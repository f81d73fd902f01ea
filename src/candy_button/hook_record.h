#pragma once
// The record of one hooked window and its entry point, which runs for every message of the
// window: the before pass, the window's previous procedure (counted by the nesting count),
// the deferred release, the after pass.
//
// A record is held by up to three parties: its engine's registry, the binding of its window
// (until the release or the window's destruction), and every entry-point call or engine
// operation in progress. It deletes itself when the last of them lets go, so no message,
// release or window destruction, in whatever order, reaches a freed record.
#include <cstdint>
#include <memory>
#include <vector>

#include "candy_button/hook_owner.h"
#include "candy_button/message_table.h"
#include "candy_button/ports/message_hook_port.h"

namespace tarnwick::candy {

class HookRecord final : public platform::BoundWindowTarget {
 public:
  static HookRecord* Create(platform::MessageHookPort& port, platform::WindowHandle window,
                            HookOwner& owner, std::int32_t user_value);
  HookRecord(const HookRecord&) = delete;
  HookRecord& operator=(const HookRecord&) = delete;

  std::intptr_t OnBoundMessage(const platform::WindowMessage& message) override;
  // The previous procedure, called outside the entry point.
  std::intptr_t CallOriginal(const platform::WindowMessage& message);

  // Bind the window; false leaves the record unbound (see BindResult).
  platform::BindResult BindWindow();
  // Asks for the release and empties both tables. The release happens at the window's next
  // message that finds no call into the previous procedure in progress, or at once when the
  // window is gone already (no message will come).
  void RequestRelease();
  // The registry lets go of the record (which may delete it).
  void LeaveRegistry();
  bool IsBound() const { return bound_; }

  // Records that left the registry with their release still waiting for the window's next
  // message. A window hooked during its last message gets none: when the control ends its
  // hooks, its engine releases them (ReleaseUnlessNested). A record leaves the list when it is
  // deleted.
  using AwaitingRelease = std::vector<HookRecord*>;
  void AwaitRelease(const std::shared_ptr<AwaitingRelease>& list);
  // Releases the binding now unless a call into the previous procedure is in progress (whose
  // end releases it); the record is then deleted unless something else holds it.
  void ReleaseUnlessNested();

  // Keeps the record alive for the length of an operation.
  class Use {
   public:
    explicit Use(HookRecord& record) : record_(record) { ++record_.users_; }
    ~Use() { --record_.users_; record_.DeleteIfUnused(); }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

   private:
    HookRecord& record_;
  };

  std::int32_t nesting = 0;          // calls into the previous procedure in progress
  std::int32_t release_request = 0;  // -1 once release was asked for
  const platform::WindowHandle window;
  platform::ProcedureId previous = 0;
  HookOwner* const owner;
  MessageTable before{}, after{};
  std::int32_t user_value;

 private:
  HookRecord(platform::MessageHookPort& port, platform::WindowHandle window, HookOwner& owner,
             std::int32_t user_value)
      : window(window), owner(&owner), user_value(user_value), port_(port) {}
  ~HookRecord();

  std::intptr_t RunPasses(const platform::WindowMessage& message);
  void CallOwner(const MessageTable& table, bool before_pass, bool& handled,
                 std::intptr_t& result, const platform::WindowMessage& message);
  // Restores the previous procedure and forgets the binding (once).
  void ReleaseBinding();
  void DeleteIfUnused();

  platform::MessageHookPort& port_;
  int users_ = 0;
  bool registered_ = true;
  bool bound_ = false;
  std::weak_ptr<AwaitingRelease> awaiting_release_;
};

}  // namespace tarnwick::candy
