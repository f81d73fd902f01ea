#pragma once
// A strict reader of JSON text (RFC 8259: one value, valid UTF-8, no trailing commas or bare
// control characters) for fuzz targets that check a program's JSON output. It keeps what the
// targets compare: each member whose value is a string or a number, by name, in order.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick::fuzz {

struct JsonMembers {
  // (name, value) of every member with a string value (unescaped) or a number (as written).
  std::vector<std::pair<std::string, std::string>> scalars;
  std::size_t CountOf(std::string_view name, std::string_view value) const;
  // The first member of that name, or "" when there is none.
  std::string First(std::string_view name) const;
};

// Whether `text` is one JSON value and nothing else (blanks aside); fills `members`.
bool ParseJson(std::string_view text, JsonMembers& members);

}  // namespace tarnwick::fuzz
