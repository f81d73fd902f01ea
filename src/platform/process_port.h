#pragma once
// Starting other programs.
#include <string>

namespace tarnwick::platform {

enum class StartOutcome {
  Started,
  NeedsElevation,  // the program exists but the system starts it only with raised rights
  Cancelled,       // the user declined the system's elevation prompt
  NotAProgram,     // the name does not lead to a program file
  Failed,          // any other failure
};

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Starts `command_line` as written (a program, optionally with arguments; no file-type
  // association) with its first window in `show_command`. Does not wait and keeps no handle.
  [[nodiscard]] virtual StartOutcome StartProgram(const std::string& command_line, int show_command) = 0;
  // Starts the program file `program` with `arguments` through the system's elevation prompt,
  // in the program's current folder. Anything but a program file (a document, a folder, a
  // missing file) gives NotAProgram and is never opened. Does not wait and keeps no handle.
  [[nodiscard]] virtual StartOutcome StartElevated(const std::string& program, const std::string& arguments,
                                     int show_command) = 0;
};

}  // namespace tarnwick::platform
