#pragma once
// For each lookup the launcher made: the value it got and what it will do with it.
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "platform/sim/sim_window_table.h"
#include "platform/sim/sim_windows.h"
#include "skin_tools/command_search.h"
#include "skin_tools/host_paths.h"
#include "skin_tools/launcher_trace.h"
#include "skin_tools/skin_report.h"

namespace tarnwick::skin_tools {

struct LookupContext {
  const std::string& text;       // config.ini as the launcher decodes it
  const sim::SimWindow* bar;     // the windows after the launcher built them and every click
  const sim::SimWindow* panel;
  const sim::SimScreen& screen;
  const HostPaths& paths;
  const SearchPlaces& places;
  const platform::AnsiCodePage& code_page;

  const sim::SimWindow* WindowOf(LauncherWindow window) const { return window == LauncherWindow::Bar ? bar : panel; }
  // Whether the file has the key at all (a missing key reads as the missing-value text).
  bool IsSet(const Lookup& lookup) const;
  // Whether the value was cut to the lookup's buffer.
  bool IsCut(const Lookup& lookup) const;
};

// A finding for `lookup`, with its place, setting and value filled in.
Finding FindingFor(const Lookup& lookup, Severity severity, std::string message);

std::vector<Finding> PictureFindings(const Lookup& lookup, const LookupContext& context);
std::vector<Finding> CommandFindings(const Lookup& lookup, const LookupContext& context);
std::vector<Finding> FolderFindings(const Lookup& lookup, const LookupContext& context);
std::vector<Finding> OpacityFindings(const Lookup& lookup, const LookupContext& context);

// All lookups; a folder the panel shows when it opens is told with the tab that shows it.
std::vector<Finding> LookupFindings(const LauncherTrace& trace, const LookupContext& context);

}  // namespace tarnwick::skin_tools
