#pragma once
// The findings of a skin check, grouped by window and button.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::skin_tools {

enum class Severity { Ok, Note, Warning, Error };

// Where a finding belongs: the file as a whole, or a window and one of its parts.
enum class Place { File, Bar, Panel };

struct Finding {
  Severity severity = Severity::Ok;
  Place place = Place::File;
  int control = -1;                    // the button, or -1 for the window or file as a whole
  std::string setting;                 // "[007] image", or "line 12"
  std::optional<std::string> value;    // the value the launcher gets
  std::string message;
};

struct SkinReport {
  std::string folder;
  std::string encoding;      // how the launcher reads the file's text
  std::size_t lookups = 0;   // the launcher's lookups that were made
  std::vector<Finding> findings;
  // Set when the folder or its config.ini cannot be checked at all.
  std::optional<std::string> unreadable;

  std::size_t Count(Severity severity) const;
  // 0 nothing would fail, 1 something would, 2 the folder could not be read.
  int ExitCode() const;
};

const char* SeverityName(Severity severity);
const char* PlaceName(Place place);
// "Image7", or "window" / "file" for the whole.
std::string SubjectName(const Finding& finding);
// The findings in report order: file first, then the bar, then the panel; each window's own
// findings before its buttons', buttons in number order, and the order found within each.
std::vector<Finding> Ordered(const std::vector<Finding>& findings);
// "71 lookups: 2 errors, 1 warning, 3 notes. Something would fail."
std::string SummaryLine(const SkinReport& report);

}  // namespace tarnwick::skin_tools
