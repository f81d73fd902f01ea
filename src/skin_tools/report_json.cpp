#include "platform/common/json_text.h"
#include "skin_tools/report_format.h"

namespace tarnwick::skin_tools {
namespace {

using platform::JsonQuoted;

std::string Field(const char* name, const std::string& json) {
  std::string field = "\"";
  return field.append(name).append("\": ").append(json);
}

std::string FindingJson(const Finding& finding) {
  std::string json = "    {" + Field("severity", JsonQuoted(SeverityName(finding.severity))) + ", " +
                     Field("place", JsonQuoted(PlaceName(finding.place))) + ", " +
                     Field("subject", JsonQuoted(SubjectName(finding))) + ", " +
                     Field("setting", JsonQuoted(finding.setting)) + ", ";
  json += Field("value", finding.value ? JsonQuoted(*finding.value) : "null") + ", ";
  return json + Field("message", JsonQuoted(finding.message)) + "}";
}

}  // namespace

std::string ReportJson(const SkinReport& report) {
  std::string json = "{\n  " + Field("folder", JsonQuoted(report.folder)) + ",\n";
  json += "  " + Field("readable", report.unreadable ? "false" : "true") + ",\n";
  json += "  " + Field("problem", report.unreadable ? JsonQuoted(*report.unreadable) : "null") + ",\n";
  json += "  " + Field("encoding", JsonQuoted(report.encoding)) + ",\n";
  json += "  " + Field("lookups", std::to_string(report.lookups)) + ",\n";
  json += "  " + Field("errors", std::to_string(report.Count(Severity::Error))) + ",\n";
  json += "  " + Field("warnings", std::to_string(report.Count(Severity::Warning))) + ",\n";
  json += "  " + Field("notes", std::to_string(report.Count(Severity::Note))) + ",\n";
  json += "  " + Field("exit_code", std::to_string(report.ExitCode())) + ",\n";
  json += "  " + Field("summary", JsonQuoted(SummaryLine(report))) + ",\n";
  json += "  \"findings\": [";
  for (std::size_t i = 0; i < report.findings.size(); ++i) {
    json += (i == 0 ? "\n" : ",\n") + FindingJson(report.findings[i]);
  }
  return json + (report.findings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace tarnwick::skin_tools
