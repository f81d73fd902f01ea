#include "skin_tools/skin_report.h"

#include <algorithm>

namespace tarnwick::skin_tools {
namespace {

std::string Counted(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::size_t SkinReport::Count(Severity severity) const {
  return static_cast<std::size_t>(
      std::count_if(findings.begin(), findings.end(), [severity](const Finding& f) { return f.severity == severity; }));
}

int SkinReport::ExitCode() const {
  if (unreadable) return 2;
  return Count(Severity::Error) > 0 ? 1 : 0;
}

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Ok: return "ok";
    case Severity::Note: return "note";
    case Severity::Warning: return "warning";
    case Severity::Error: return "error";
  }
  return "";
}

const char* PlaceName(Place place) {
  switch (place) {
    case Place::File: return "config.ini";
    case Place::Bar: return "bar";
    case Place::Panel: return "panel";
  }
  return "";
}

std::string SubjectName(const Finding& finding) {
  if (finding.control >= 0) return "Image" + std::to_string(finding.control);
  return finding.place == Place::File ? "file" : "window";
}

std::vector<Finding> Ordered(const std::vector<Finding>& findings) {
  std::vector<Finding> ordered = findings;
  std::stable_sort(ordered.begin(), ordered.end(), [](const Finding& a, const Finding& b) {
    if (a.place != b.place) return a.place < b.place;
    return a.control < b.control;
  });
  return ordered;
}

std::string SummaryLine(const SkinReport& report) {
  if (report.unreadable) return "The folder could not be checked.";
  std::string line = Counted(report.lookups, "lookup", "lookups") + ": " +
                     Counted(report.Count(Severity::Error), "error", "errors") + ", " +
                     Counted(report.Count(Severity::Warning), "warning", "warnings") + ", " +
                     Counted(report.Count(Severity::Note), "note", "notes") + ". ";
  return line + (report.ExitCode() == 0 ? "Nothing would fail." : "Something would fail.");
}

}  // namespace tarnwick::skin_tools
