#include "skin_tools/encoding_check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "platform/common/profile_reader.h"
#include "platform/common/utf8.h"

namespace tarnwick::skin_tools {
namespace {

using platform::ProfileLine;

// Valid UTF-8 that holds at least one character beyond ASCII.
bool IsUtf8BeyondAscii(const std::string& bytes) {
  bool beyond = false;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t start = pos;
    if (!platform::DecodeUtf8(bytes, pos)) return false;
    beyond |= pos - start > 1;
  }
  return beyond;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; });
}

std::string Shown(const ProfileLine& line) {
  std::string shown;
  if (line.is_section) return shown.append("[").append(line.name).append("]");
  shown.append(line.name);
  if (line.value) shown.append("=").append(*line.value);
  return shown;
}

bool IsKnownSection(std::string_view name, const LauncherTrace& trace) {
  return std::any_of(trace.begin(), trace.end(),
                     [name](const Lookup& lookup) { return platform::ProfileNamesMatch(name, lookup.section); });
}

std::map<std::size_t, ProfileLine> LinesByNumber(std::string_view text) {
  std::map<std::size_t, ProfileLine> lines;
  platform::ProfileLines walk(text);
  ProfileLine line;
  while (walk.Next(line)) lines[line.number] = line;
  return lines;
}

// Compares the file as it was meant (UTF-8) with what the launcher reads (code page 949).
std::vector<Finding> Misreadings(const std::string& meant, const std::string& read, const LauncherTrace& trace) {
  const auto read_lines = LinesByNumber(read);
  std::vector<Finding> findings;
  bool in_known_section = false;
  platform::ProfileLines walk(meant);
  ProfileLine line;
  while (walk.Next(line)) {
    if (line.is_section) in_known_section = IsKnownSection(line.name, trace);
    if (IsAscii(Shown(line))) continue;
    const auto read_line = read_lines.find(line.number);
    const std::string as_read = read_line == read_lines.end() ? std::string() : Shown(read_line->second);
    Finding finding;
    finding.setting = "line " + std::to_string(line.number);
    finding.severity = in_known_section ? Severity::Error : Severity::Warning;
    finding.message = Shown(line) + " is read as " + as_read;
    if (line.is_section && in_known_section) {
      finding.message += ": the launcher does not find the section, and every key in it reads as missing.";
    } else {
      finding.message += in_known_section ? "." : " (the launcher does not read this line).";
    }
    findings.push_back(std::move(finding));
  }
  return findings;
}

Finding MarkNote(const std::string& encoding) {
  Finding finding;
  finding.severity = Severity::Note;
  finding.setting = "encoding";
  finding.message = "config.ini is " + encoding +
                    ", not code page 949. The system's INI functions honour the byte-order mark, so "
                    "\"Tarnwick\xE2\x84\xA2\" and Korean values are read as written.";
  return finding;
}

}  // namespace

EncodingCheck CheckEncoding(const std::string& bytes, const platform::AnsiCodePage& code_page,
                            const LauncherTrace& trace) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return {"UTF-8 with a byte-order mark", {MarkNote("UTF-8 with a byte-order mark")}};
  if (bytes.starts_with("\xFF\xFE")) return {"UTF-16 (little-endian)", {MarkNote("UTF-16 (little-endian) with a byte-order mark")}};
  if (bytes.starts_with("\xFE\xFF")) return {"UTF-16 (big-endian)", {MarkNote("UTF-16 (big-endian) with a byte-order mark")}};
  if (!IsUtf8BeyondAscii(bytes)) return {"code page 949", {}};
  EncodingCheck check{"UTF-8 without a byte-order mark, read as code page 949", {}};
  Finding summary;
  summary.severity = Severity::Warning;
  summary.setting = "encoding";
  summary.message =
      "config.ini is saved as UTF-8 without a byte-order mark; the launcher reads it as code page 949, so every "
      "character beyond ASCII is misread. Save it in code page 949 (or as UTF-8 with a byte-order mark).";
  check.findings.push_back(summary);
  const auto misread = Misreadings(platform::SanitizeUtf8(bytes), code_page.ToUtf8(bytes), trace);
  check.findings.insert(check.findings.end(), misread.begin(), misread.end());
  return check;
}

}  // namespace tarnwick::skin_tools
