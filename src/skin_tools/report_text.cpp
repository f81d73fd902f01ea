#include <cstdio>

#include "skin_tools/report_format.h"

namespace tarnwick::skin_tools {
namespace {

const char* WindowHeading(Place place) {
  switch (place) {
    case Place::File: return "config.ini";
    case Place::Bar: return "Bar (main window)";
    case Place::Panel: return "Side panel";
  }
  return "";
}

std::string FindingLine(const Finding& finding) {
  char severity[16];
  std::snprintf(severity, sizeof severity, "%-9s", SeverityName(finding.severity));
  std::string line = "    " + std::string(severity);
  if (!finding.setting.empty()) line += finding.setting;
  if (finding.value) line += " = \"" + *finding.value + "\"";
  if (!finding.setting.empty() || finding.value) line += ": ";
  return line + finding.message + "\n";
}

}  // namespace

std::string ReportText(const SkinReport& report) {
  std::string text = "Skin check of " + report.folder + "\n";
  if (report.unreadable) return text + "error: " + *report.unreadable + "\n" + SummaryLine(report) + "\n";
  text += "config.ini: " + report.encoding + ", " + std::to_string(report.lookups) + " lookups by the launcher\n";
  const Finding* previous = nullptr;
  for (const Finding& finding : report.findings) {
    const bool new_place = previous == nullptr || previous->place != finding.place;
    if (new_place) text += std::string("\n") + WindowHeading(finding.place) + "\n";
    if (new_place || previous->control != finding.control) text += "  " + SubjectName(finding) + "\n";
    text += FindingLine(finding);
    previous = &finding;
  }
  return text + "\n" + SummaryLine(report) + "\n";
}

}  // namespace tarnwick::skin_tools
