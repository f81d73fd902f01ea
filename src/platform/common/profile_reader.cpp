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

bool NamesMatch(std::string_view stored, std::string_view wanted) {
  return stored.size() == wanted.size() &&
         std::equal(stored.begin(), stored.end(), wanted.begin(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

// Splits `text` into lines; runs of CR and LF count as one line end.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : rest_(text) {}
  bool Next(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = std::min(rest_.find_first_of("\r\n"), rest_.size());
    line = rest_.substr(0, end);
    const std::size_t next = rest_.find_first_not_of("\r\n", end);
    rest_ = next == std::string_view::npos ? std::string_view() : rest_.substr(next);
    return true;
  }

 private:
  std::string_view rest_;
};

std::optional<std::string_view> SectionName(std::string_view line) {
  if (line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return UpToNul(TrimProfileBlanks(line.substr(1, close - 1)));
}

struct KeyLine {
  std::string_view name;
  std::optional<std::string_view> value;
};

KeyLine SplitKeyLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {UpToNul(line), std::nullopt};
  return {UpToNul(TrimProfileBlanks(line.substr(0, equals))), TrimProfileBlanks(line.substr(equals + 1))};
}

// Walks the lines of one file and stops at the first key that answers the lookup.
class Lookup {
 public:
  Lookup(std::string_view section, std::string_view key) : section_(section), key_(key) {}

  // Returns true once the lookup is decided (found, or the first matching section ended).
  bool Feed(std::string_view line) {
    if (const auto name = SectionName(line)) return EnterSection(*name);
    return in_wanted_section_ && AcceptKey(SplitKeyLine(line));
  }
  std::optional<std::string> Result() const { return result_; }

 private:
  bool EnterSection(std::string_view name) {
    if (in_wanted_section_) return true;  // only the first section of a name is searched
    in_wanted_section_ = NamesMatch(name, section_);
    return false;
  }

  bool AcceptKey(const KeyLine& key_line) {
    if (!NamesMatch(key_line.name, key_)) return false;
    if (key_line.value) result_ = std::string(UpToNul(*key_line.value));
    return true;
  }

  std::string_view section_;
  std::string_view key_;
  bool in_wanted_section_ = false;
  std::optional<std::string> result_;
};

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  Lookup lookup(TrimProfileBlanks(UpToNul(section)), TrimProfileBlanks(UpToNul(key)));
  lookup.Feed("[]");  // keys before the first header belong to the section named ""
  LineCursor lines(text);
  std::string_view line;
  while (lines.Next(line)) {
    line = TrimProfileBlanks(line);
    if (!line.empty() && lookup.Feed(line)) break;
  }
  return lookup.Result();
}

}  // namespace tarnwick::platform
