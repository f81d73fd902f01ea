#pragma once
// Starting other programs.
#include <string>

namespace tarnwick::platform {

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Starts `command_line` as written (a program, optionally with arguments; no file-type
  // association) with its first window in `show_command`. Does not wait and keeps no handle.
  // Returns whether the program was started.
  virtual bool StartProgram(const std::string& command_line, int show_command) = 0;
};

}  // namespace tarnwick::platform
