#include "platform/sim/sim_recorders.h"

namespace tarnwick::sim {

std::string ProgramOf(const std::string& command_line) {
  if (!command_line.empty() && command_line.front() == '"') {
    const auto close = command_line.find('"', 1);
    return command_line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  return command_line.substr(0, command_line.find(' '));
}

bool SimProcesses::StartProgram(const std::string& command_line, int show_command) {
  log_.Record("StartProgram", command_line, show_command);
  if (installed_programs.count(ProgramOf(command_line)) == 0) return false;
  started.push_back(command_line);
  return true;
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
