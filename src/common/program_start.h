#pragma once
// Starting a command line from config.ini. A program that the system starts only with raised
// rights is started again through the system's elevation prompt: the same program file with
// the same arguments, never a document. Every other outcome is quiet.
#include <string>
#include <vector>

#include "platform/process_port.h"

namespace tarnwick {

struct ProgramAndArguments {
  std::string program;
  std::string arguments;
};

// The ways the system's process start reads a command line that names no program apart, in the
// order it tries them: a quoted start is the program up to the closing quote; an unquoted start
// is tried up to each blank in turn, then as a whole ("C:\Program Files\a.exe x" is first
// "C:\Program", then "C:\Program Files\a.exe"). Arguments lose the blanks that lead them.
std::vector<ProgramAndArguments> ProgramCandidates(const std::string& command_line);

// Starts `command_line` with `show_command`; when the start needs raised rights, asks for them
// through the elevation prompt with the first candidate that names a program file.
platform::StartOutcome StartCommandLine(platform::ProcessPort& processes, const std::string& command_line,
                                        int show_command);

}  // namespace tarnwick
