#pragma once
// The Windows backend as a whole: owns one object per port, in the order they depend on each
// other, and hands them out as a platform::Platform. Teardown runs in reverse: windows first,
// then the owner window, then COM.
#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "platform/win32/com_support.h"
#include "platform/win32/owner_window.h"
#include "platform/win32/program_icons.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_application.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_log.h"
#include "platform/win32/win32_folder_view.h"
#include "platform/win32/win32_pictures.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_styles.h"
#include "platform/win32/win32_tray.h"
#include "platform/win32/win32_windows.h"

namespace tarnwick::win32 {

class Win32Platform {
 public:
  // `program_name` names the program's task-list entry and its running-copy marker. The INI
  // and code-page ports come from the caller.
  Win32Platform(HINSTANCE instance, const std::string& program_name, platform::IniPort& ini,
                platform::AnsiCodePage& ansi);
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  platform::Platform& Ports() { return ports_; }

 private:
  bool common_controls_;
  ScopedOleInit ole_;
  ProgramIcons icons_;
  Win32Tray tray_;
  OwnerWindow owner_;
  Win32Application application_;
  Win32Styles styles_;
  Win32Clock clock_;
  Win32Process processes_;
  Win32Pictures pictures_;
  Win32EventLog event_log_;
  Win32Windows windows_;
  Win32FolderView folder_view_;
  platform::Platform ports_;
};

}  // namespace tarnwick::win32
