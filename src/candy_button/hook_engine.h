#pragma once
// The window-message subclassing engine of one control object: it replaces the procedure of a
// window of this process, filters the window's messages through a before table and an after
// table, calls its owner's message callback for each message that passes, and releases a
// hook only once no call into the window's previous procedure is in progress: at the window's
// next message, or, when the control ends its hooks (HookTerminateAll), at once.
//
// The registry maps "h" + the window handle in decimal to the hook record. Misuse is reported
// with an event-log entry and a warning box (HookReportError); the operation then returns its
// failure value and nothing is raised to the caller.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "candy_button/hook_owner.h"
#include "candy_button/hook_record.h"
#include "candy_button/message_table.h"
#include "candy_button/ports/message_hook_port.h"

namespace tarnwick::candy {

class HookEngine {
 public:
  // `self` is the owner used when sc_Subclass names none; `type_name` starts every report.
  HookEngine(platform::MessageHookPort& port, HookOwner& self, std::string type_name);
  ~HookEngine();  // ends every hook it installed
  HookEngine(const HookEngine&) = delete;
  HookEngine& operator=(const HookEngine&) = delete;

  // Callback ordinal 1 names the owner's OnHookMessage; there is no other.
  bool sc_Subclass(platform::WindowHandle window, std::int32_t user_value = 0,
                   std::int32_t callback_ordinal = 1, HookOwner* owner = nullptr);
  void sc_UnSubclass(platform::WindowHandle window);
  void HookTerminateAll();
  void HookAddMessage(platform::WindowHandle window, std::int32_t message, int when);
  void HookRemoveMessage(platform::WindowHandle window, std::int32_t message, int when);
  std::intptr_t HookCallOriginal(platform::WindowHandle window, std::uint32_t message,
                                 std::uintptr_t wparam, std::intptr_t lparam);
  std::int32_t HookUserValue(platform::WindowHandle window);
  void HookUserValue(platform::WindowHandle window, std::int32_t value);

  HookRecord* zMap_hWnd(platform::WindowHandle window);
  void zAddMsg(std::int32_t message, MessageTable& table);
  void zDelMsg(std::int32_t message, MessageTable& table);
  void HookReportError(std::string_view routine, std::string_view text);

  bool HasRegistry() const { return registry_.has_value(); }
  std::size_t HookCount() const { return registry_ ? registry_->size() : 0; }

 private:
  using Registry = std::vector<std::pair<std::string, HookRecord*>>;
  static std::string KeyOf(platform::WindowHandle window);
  Registry::iterator FindKey(const std::string& key);
  // zAddMsg or zDelMsg on the chosen tables of the window's record.
  void ChangeTables(platform::WindowHandle window, std::int32_t message, int when,
                    void (HookEngine::*change)(std::int32_t, MessageTable&));
  // Binds a new record; on failure reports, frees it and returns nullptr.
  HookRecord* BindNewRecord(platform::WindowHandle window, HookOwner& owner,
                            std::int32_t user_value);

  platform::MessageHookPort& port_;
  HookOwner& self_;
  std::string type_name_;
  std::optional<Registry> registry_;
  const std::shared_ptr<HookRecord::AwaitingRelease> awaiting_release_ =
      std::make_shared<HookRecord::AwaitingRelease>();
  // Expires with the engine: an operation that showed a report checks it before going on.
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace tarnwick::candy
