#include "platform/common/profile_reader.h"

#include <algorithm>

namespace tarnwick::platform {
namespace {

constexpr char kCtrlZ = '\x1A';  // end-of-file mark of old text files, read as a blank

// The characters dropped around lines, names and values.
bool IsProfileBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == kCtrlZ; }

std::string_view TrimProfileBlanks(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Names and values are zero-terminated strings inside the system, so a NUL ends them.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The number of lines a run of CR and LF characters ends: CR LF counts once.
std::size_t LineEndsIn(std::string_view run) {
  std::size_t ends = 0;
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] == '\r' && i + 1 < run.size() && run[i + 1] == '\n') ++i;
    ++ends;
  }
  return ends;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  if (line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return UpToNul(TrimProfileBlanks(line.substr(1, close - 1)));
}

void SplitKeyLine(std::string_view line, ProfileLine& out) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    out.name = UpToNul(line);
    return;
  }
  out.name = UpToNul(TrimProfileBlanks(line.substr(0, equals)));
  out.value = UpToNul(TrimProfileBlanks(line.substr(equals + 1)));
}

// Walks the lines of one file and stops at the first key that answers the lookup.
class Lookup {
 public:
  Lookup(std::string_view section, std::string_view key) : section_(section), key_(key) {
    in_wanted_section_ = ProfileNamesMatch("", section_);  // keys before the first header
  }

  // Returns true once the lookup is decided (found, or the first matching section ended).
  bool Feed(const ProfileLine& line) {
    if (line.is_section) return EnterSection(line.name);
    return in_wanted_section_ && AcceptKey(line);
  }
  std::optional<std::string> Result() const { return result_; }

 private:
  bool EnterSection(std::string_view name) {
    if (in_wanted_section_) return true;  // only the first section of a name is searched
    in_wanted_section_ = ProfileNamesMatch(name, section_);
    return false;
  }

  bool AcceptKey(const ProfileLine& line) {
    if (!ProfileNamesMatch(line.name, key_)) return false;
    if (line.value) result_ = std::string(*line.value);
    return true;
  }

  std::string_view section_;
  std::string_view key_;
  bool in_wanted_section_ = false;
  std::optional<std::string> result_;
};

}  // namespace

bool ProfileNamesMatch(std::string_view stored, std::string_view wanted) {
  return stored.size() == wanted.size() &&
         std::equal(stored.begin(), stored.end(), wanted.begin(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

bool ProfileLines::Next(ProfileLine& line) {
  while (!rest_.empty()) {
    const std::size_t end = std::min(rest_.find_first_of("\r\n"), rest_.size());
    const std::string_view text = TrimProfileBlanks(rest_.substr(0, end));
    const std::size_t next = std::min(rest_.find_first_not_of("\r\n", end), rest_.size());
    const std::size_t number = next_number_;
    next_number_ += LineEndsIn(rest_.substr(end, next - end));
    rest_ = rest_.substr(next);
    if (text.empty()) continue;
    line = ProfileLine{};
    line.number = number;
    if (const auto name = SectionName(text)) {
      line.is_section = true;
      line.name = *name;
    } else {
      SplitKeyLine(text, line);
    }
    return true;
  }
  return false;
}

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  Lookup lookup(TrimProfileBlanks(UpToNul(section)), TrimProfileBlanks(UpToNul(key)));
  ProfileLines lines(text);
  ProfileLine line;
  while (lines.Next(line)) {
    if (lookup.Feed(line)) break;
  }
  return lookup.Result();
}

}  // namespace tarnwick::platform
