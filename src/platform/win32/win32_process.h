#pragma once
// Starts programs with CreateProcessW: the command line exactly as written, no file-type
// association, no wait, no handle kept. A program that needs raised rights is started through
// the elevation prompt (ShellExecuteExW with the "runas" verb), but only once the name has been
// found to be a program file.
#include "platform/process_port.h"

namespace tarnwick::win32 {

class Win32Process final : public platform::ProcessPort {
 public:
  platform::StartOutcome StartProgram(const std::string& command_line, int show_command) override;
  platform::StartOutcome StartElevated(const std::string& program, const std::string& arguments,
                                       int show_command) override;
};

}  // namespace tarnwick::win32
