#pragma once
// Starts programs with CreateProcessW: the command line exactly as written, no file-type
// association, no wait, no handle kept.
#include "platform/process_port.h"

namespace tarnwick::win32 {

class Win32Process final : public platform::ProcessPort {
 public:
  bool StartProgram(const std::string& command_line, int show_command) override;
};

}  // namespace tarnwick::win32
