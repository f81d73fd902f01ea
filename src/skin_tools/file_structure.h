#pragma once
// What is in config.ini that the launcher never reads: sections and keys it does not look up
// (with the known name a slip most likely meant), keys hidden by an earlier line of the same
// name or by a bare key line, keys before the first section, and second sections of a name
// that the launcher ignores. Comment lines (';' or '#') are left alone.
#include <string>
#include <vector>

#include "skin_tools/launcher_trace.h"
#include "skin_tools/skin_report.h"

namespace tarnwick::skin_tools {

// `text`: the file as the launcher decodes it; `trace`: the lookups the launcher made.
std::vector<Finding> CheckFileStructure(const std::string& text, const LauncherTrace& trace);

}  // namespace tarnwick::skin_tools
