#include "platform/common/unavailable_location.h"

namespace tarnwick::platform {
namespace {

// The system's texts end in a line break and may break a long sentence across lines; the notice
// wraps by itself, so every run of blanks and line breaks becomes one space.
std::string OneLine(const std::string& text) {
  std::string line;
  bool blank = false;
  for (const char c : text) {
    const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (space) {
      blank = !line.empty();
      continue;
    }
    if (blank) line += ' ';
    blank = false;
    line += c;
  }
  return line;
}

}  // namespace

std::string UnavailableLocationNotice(const std::string& location, unsigned long error,
                                      const std::string& system_text) {
  std::string reason = OneLine(system_text);
  if (reason.empty()) reason = "Error " + std::to_string(error) + ".";
  return std::string(kLocationUnavailable) + "\r\n" + location + "\r\n" + reason;
}

}  // namespace tarnwick::platform
