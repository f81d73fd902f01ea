#pragma once
// A ready candy button in style 0 (whose faces tell Normal, Pressed, Focused and Hover
// apart) with helpers that send it real window messages and read back what it painted and
// which events it raised.
#include <optional>
#include <string>
#include <vector>

#include "candy_button/window_input.h"
#include "candy_test_support.h"

namespace tarnwick::candy::testing {

inline constexpr int kWidth = 100, kHeight = 30;

struct InputButton : ReadyButton {
  InputButton() : ReadyButton(kWidth, kHeight) {
    button.SetCaption("");
    host.Log().Clear();
  }

  // The state whose face the surface shows now, nullopt when it matches none.
  std::optional<ButtonState> Painted() {
    for (const ButtonState state : {ButtonState::Normal, ButtonState::Pressed,
                                    ButtonState::Focused, ButtonState::Hover}) {
      ReadyButton reference(kWidth, kHeight);
      reference.button.SetCaption("");
      reference.button.SetEnabled(button.Enabled());
      reference.button.Redraw(state);
      if (reference.Image() == Image()) return state;
    }
    return std::nullopt;
  }
  // The events raised since the log was last cleared, as "Click", "MouseDown(1,0,0,0)" ...
  std::vector<std::string> Events() {
    static const char* const kNames[] = {"", "Status", "Click", "DblClick", "MouseEnter",
                                         "MouseLeave", "MouseMove", "MouseUp", "MouseDown"};
    std::vector<std::string> events;
    for (const std::string& call : host.Log().Calls()) {
      if (call.rfind("RaiseEvent(", 0) != 0) continue;
      const int id = std::stoi(call.substr(11));
      const std::string args = call.substr(call.find(',') + 1, call.size() - call.find(',') - 2);
      events.push_back(id >= 6 ? std::string(kNames[id]) + "(" + args + ")" : kNames[id]);
    }
    return events;
  }
  int Repaints() {
    int count = 0;
    for (const std::string& call : host.Log().Calls()) count += call == "Refresh()";
    return count;
  }
  void Clear() { host.Log().Clear(); }

  void Move(int x, int y, std::uintptr_t keys = 0) {
    host.Send(platform::kMsgMouseMove, keys, PointerAt(x, y));
  }
  void Leave() { host.Send(platform::kMsgMouseLeave); }
  void Press(int x = 50, int y = 15) { host.Send(platform::kMsgLButtonDown, platform::kMkLButton, PointerAt(x, y)); }
  void Release(int x = 50, int y = 15) { host.Send(platform::kMsgLButtonUp, 0, PointerAt(x, y)); }
  void Focus() { host.Send(platform::kMsgSetFocus); }
  void Blur() { host.Send(platform::kMsgKillFocus); }
  void Key(std::uint32_t message, int key) { host.Send(message, std::uintptr_t(key)); }
};

}  // namespace tarnwick::candy::testing
