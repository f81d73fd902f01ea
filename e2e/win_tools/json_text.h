#pragma once
// JSON text for the probes' answers: a UTF-8 string quoted and escaped, so that the checks read
// the probes' output with a JSON parser instead of taking lines apart.
#include <cstdio>
#include <string>

namespace probe {

inline std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace probe
