#include "platform/common/json_text.h"

#include <cstdio>

#include "platform/common/utf8.h"

namespace tarnwick::platform {

std::string JsonQuoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : SanitizeUtf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace tarnwick::platform
