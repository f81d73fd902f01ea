#include <cstdio>

#include "platform/common/utf8.h"
#include "skin_tools/report_format.h"

namespace tarnwick::skin_tools {
namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : platform::SanitizeUtf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Field(const char* name, const std::string& json) {
  std::string field = "\"";
  return field.append(name).append("\": ").append(json);
}

std::string FindingJson(const Finding& finding) {
  std::string json = "    {" + Field("severity", Quoted(SeverityName(finding.severity))) + ", " +
                     Field("place", Quoted(PlaceName(finding.place))) + ", " +
                     Field("subject", Quoted(SubjectName(finding))) + ", " +
                     Field("setting", Quoted(finding.setting)) + ", ";
  json += Field("value", finding.value ? Quoted(*finding.value) : "null") + ", ";
  return json + Field("message", Quoted(finding.message)) + "}";
}

}  // namespace

std::string ReportJson(const SkinReport& report) {
  std::string json = "{\n  " + Field("folder", Quoted(report.folder)) + ",\n";
  json += "  " + Field("readable", report.unreadable ? "false" : "true") + ",\n";
  json += "  " + Field("problem", report.unreadable ? Quoted(*report.unreadable) : "null") + ",\n";
  json += "  " + Field("encoding", Quoted(report.encoding)) + ",\n";
  json += "  " + Field("lookups", std::to_string(report.lookups)) + ",\n";
  json += "  " + Field("errors", std::to_string(report.Count(Severity::Error))) + ",\n";
  json += "  " + Field("warnings", std::to_string(report.Count(Severity::Warning))) + ",\n";
  json += "  " + Field("notes", std::to_string(report.Count(Severity::Note))) + ",\n";
  json += "  " + Field("exit_code", std::to_string(report.ExitCode())) + ",\n";
  json += "  " + Field("summary", Quoted(SummaryLine(report))) + ",\n";
  json += "  \"findings\": [";
  for (std::size_t i = 0; i < report.findings.size(); ++i) {
    json += (i == 0 ? "\n" : ",\n") + FindingJson(report.findings[i]);
  }
  return json + (report.findings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace tarnwick::skin_tools
