#pragma once
// The lookup rules of the system's INI ("private profile") functions, applied to the text of
// a file that is already decoded to UTF-8 (see profile_text.h):
// - a line is cut at CR or LF; blanks (ASCII white space and Ctrl-Z) around it are dropped;
// - "[name]" starts a section: the name runs to the line's last ']' (text after it is
//   ignored) and is trimmed; a line that starts with '[' but has no ']' is read as a key line;
// - "key=value": the key runs to the first '=' (later ones belong to the value); a line
//   without '=' is a key without a value, which looks up like a missing key;
// - names and values end at a NUL character;
// - lines before the first section header belong to a section named "";
// - names match without regard to ASCII letter case, after trimming the looked-up names;
// - only the first section of a name is searched, and its first key of a name wins.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The raw value of `key` in `section` (quotes and all), or nothing when the section, the key
// or its '=' is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// Whether two section or key names match: equal but for ASCII letter case.
bool ProfileNamesMatch(std::string_view stored, std::string_view wanted);

// One non-blank line of a file as the lookup rules read it.
struct ProfileLine {
  std::size_t number = 0;  // 1-based; CR LF, a lone CR and a lone LF each end one line
  bool is_section = false;
  std::string_view name;                   // section or key name, trimmed, cut at NUL
  std::optional<std::string_view> value;   // key lines: the raw text after '=', if any
};

// Walks the non-blank lines of a decoded file in order.
class ProfileLines {
 public:
  explicit ProfileLines(std::string_view text) : rest_(text) {}
  bool Next(ProfileLine& line);

 private:
  std::string_view rest_;
  std::size_t next_number_ = 1;
};

}  // namespace tarnwick::platform
