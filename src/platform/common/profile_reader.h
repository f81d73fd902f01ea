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
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The raw value of `key` in `section` (quotes and all), or nothing when the section, the key
// or its '=' is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

}  // namespace tarnwick::platform
