#include "platform/sim/sim_recorders.h"

#include "common/program_start.h"

namespace tarnwick::sim {

platform::StartOutcome SimProcesses::StartProgram(const std::string& command_line, int show_command) {
  log_.Record("StartProgram", command_line, show_command);
  for (const ProgramAndArguments& candidate : ProgramCandidates(command_line)) {
    if (installed_programs.count(candidate.program) == 0) continue;
    if (elevated_programs.count(candidate.program) != 0) return platform::StartOutcome::NeedsElevation;
    started.push_back(command_line);
    return platform::StartOutcome::Started;
  }
  return platform::StartOutcome::NotAProgram;
}

platform::StartOutcome SimProcesses::StartElevated(const std::string& program, const std::string& arguments,
                                                   int show_command) {
  log_.Record("StartElevated", program, arguments, show_command);
  if (installed_programs.count(program) == 0) return platform::StartOutcome::NotAProgram;
  if (decline_elevation) return platform::StartOutcome::Cancelled;
  started_elevated.push_back(program + "|" + arguments);
  return platform::StartOutcome::Started;
}

bool SimFolderView::Navigate(platform::WindowHandle window, int control, const std::string& location) {
  log_.Record("Navigate", window, control, location);
  locations.push_back(location);
  return panes.Show(window, control, location);
}

bool SimEventLog::Write(const std::string& source, platform::EventLogType type, const std::string& text) {
  log_.Record("ReportEvent", source, static_cast<int>(type), text);
  entries.push_back(text);
  return true;
}

}  // namespace tarnwick::sim
