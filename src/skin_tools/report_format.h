#pragma once
// A skin report as text for people (grouped by window and button, one summary line at the end)
// and as JSON for programs.
#include <string>

#include "skin_tools/skin_report.h"

namespace tarnwick::skin_tools {

std::string ReportText(const SkinReport& report);
std::string ReportJson(const SkinReport& report);

}  // namespace tarnwick::skin_tools
