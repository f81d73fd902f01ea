#pragma once
// One line of the property bag's text form: formatting and parsing.
#include <string>
#include <string_view>

namespace tarnwick::candy {

struct PropertyLine {
  enum class Kind { Blank, Entry, Invalid } kind = Kind::Blank;
  std::string key, value;
};

// "Key = value\n", the value bare or quoted (see property_bag.h).
std::string FormatPropertyLine(std::string_view key, std::string_view value);
// Blank and "#" comment lines are Blank; a bad key, a missing "=", an unterminated quote,
// a bad escape or text after the closing quote make the line Invalid.
PropertyLine ParsePropertyLine(std::string_view line);

}  // namespace tarnwick::candy
