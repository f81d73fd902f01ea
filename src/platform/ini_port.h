#pragma once
// INI lookups with the system's single-byte profile call. The section, key, default and value
// are bytes in the ANSI code page (conversion is the caller's, see ansi_code_page.h); the file
// is named by its path as internal text (UTF-8), and the backend reaches that very file even
// where the code page cannot spell its name.
#include <cstddef>
#include <string>

namespace tarnwick::platform {

class IniPort {
 public:
  virtual ~IniPort() = default;
  // Copies the value of `key` in `section` of the file at `path` (or `default_text`) into
  // `buffer` of `size` bytes, zero-terminated, and returns the number of bytes stored without
  // the terminating zero.
  virtual std::size_t ReadProfileString(const std::string& section, const std::string& key,
                                       const std::string& default_text, char* buffer, std::size_t size,
                                       const std::string& path) = 0;
};

}  // namespace tarnwick::platform
