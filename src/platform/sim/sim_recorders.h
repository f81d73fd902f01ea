#pragma once
// Simulated program starts, folder views and the event log: each call is recorded; program
// starts succeed only for programs the test has installed.
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
  bool StartProgram(const std::string& command_line, int show_command) override;

  // Program names (the first word of a command line) that exist on the simulated system.
  std::set<std::string> installed_programs;
  std::vector<std::string> started;  // command lines that started a program

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

// The first word of a command line: up to the first blank, or the text inside leading quotes.
std::string ProgramOf(const std::string& command_line);

}  // namespace tarnwick::sim
