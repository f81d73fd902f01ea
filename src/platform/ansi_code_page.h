#pragma once
// Conversion between internal UTF-8 text and the system's single-byte ("ANSI") code page.
#include <string>

namespace tarnwick::platform {

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  // Characters the code page cannot hold become '?', as the system's conversion does.
  virtual std::string FromUtf8(const std::string& utf8) const = 0;
  // Bytes that are no character of the code page become U+FFFD or the system's choice.
  virtual std::string ToUtf8(const std::string& ansi) const = 0;
};

}  // namespace tarnwick::platform
