#include "platform/win32/win32_platform.h"

#include <commctrl.h>

namespace tarnwick::win32 {
namespace {

// Registers the common controls of version 6 (the manifest selects them) before any window.
bool InitCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  return InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance, const std::string& program_name, platform::IniPort& ini,
                             platform::AnsiCodePage& ansi)
    : common_controls_(InitCommonControls()),
      icons_(instance),
      tray_(icons_.small.Get()),
      owner_(instance, program_name, icons_.large.Get(), icons_.small.Get()),
      application_(owner_, program_name),
      pictures_(instance),
      windows_(instance, owner_.Handle(), icons_.large.Get(), icons_.small.Get(), [this] { tray_.ForgetIcons(); }),
      folder_view_(windows_),
      ports_{windows_, styles_, ini, ansi, tray_, application_, clock_, processes_, folder_view_, pictures_, event_log_} {}

}  // namespace tarnwick::win32
