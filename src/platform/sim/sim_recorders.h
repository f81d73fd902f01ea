#pragma once
// Simulated program starts, folder views and the event log: each call is recorded; program
// starts succeed only for programs the test has installed; programs that need raised rights
// fail until they are started through the elevation prompt, which the test may decline.
#include <set>
#include <string>
#include <vector>

#include "platform/event_log_port.h"
#include "platform/folder_view_port.h"
#include "platform/process_port.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_folder_panes.h"

namespace tarnwick::sim {

class SimProcesses : public platform::ProcessPort {
 public:
  explicit SimProcesses(CallLog& log) : log_(log) {}
  platform::StartOutcome StartProgram(const std::string& command_line, int show_command) override;
  platform::StartOutcome StartElevated(const std::string& program, const std::string& arguments,
                                       int show_command) override;

  // Program names that exist on the simulated system. A command line starts the first of its
  // candidate programs (common/program_start.h) that exists, as the system's start does.
  std::set<std::string> installed_programs;
  // Installed programs that start only with raised rights.
  std::set<std::string> elevated_programs;
  bool decline_elevation = false;    // the user answers the elevation prompt with No
  std::vector<std::string> started;  // command lines that started a program
  // Programs started through the elevation prompt, as "program|arguments".
  std::vector<std::string> started_elevated;

 private:
  CallLog& log_;
};

class SimFolderView : public platform::FolderViewPort {
 public:
  explicit SimFolderView(CallLog& log) : log_(log) {}
  bool Navigate(platform::WindowHandle window, int control, const std::string& location) override;
  std::vector<std::string> locations;
  SimFolderPanes panes;  // what each view shows now

 private:
  CallLog& log_;
};

class SimEventLog : public platform::EventLogPort {
 public:
  explicit SimEventLog(CallLog& log) : log_(log) {}
  bool Write(const std::string& source, platform::EventLogType type, const std::string& text) override;
  std::vector<std::string> entries;

 private:
  CallLog& log_;
};

}  // namespace tarnwick::sim
