#include "platform/win32/win32_process.h"

#include <windows.h>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {

bool Win32Process::StartProgram(const std::string& command_line, int show_command) {
  // CreateProcessW may write into the command line, so it gets a private, terminated copy.
  std::wstring writable = Utf8ToWide(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_command);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  ScopedKernelHandle process(started.hProcess);
  ScopedKernelHandle thread(started.hThread);
  return true;
}

}  // namespace tarnwick::win32
