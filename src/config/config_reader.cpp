#include "config/config_reader.h"

#include <algorithm>
#include <array>

namespace tarnwick::config {

std::string ConfigPath(std::string_view program_folder) {
  return std::string(program_folder) + "\\config.ini";
}

std::string ReadConfigValue(platform::IniPort& ini, const platform::AnsiCodePage& code_page,
                            const std::string& config_path, std::string_view section,
                            std::string_view key) {
  // Zero-filled: when a double-byte character does not fit in the last byte, the system
  // reports a count one past what it wrote, and that byte must read as the end of the text.
  std::array<char, kValueBufferSize> buffer{};
  const std::size_t reported =
      ini.ReadProfileString(code_page.FromUtf8(std::string(section)), code_page.FromUtf8(std::string(key)),
                            code_page.FromUtf8(std::string(MissingValueText)), buffer.data(),
                            buffer.size(), config_path);
  const std::size_t stored = std::min(reported, buffer.size() - 1);
  const auto end = std::find(buffer.begin(), buffer.begin() + stored, '\0');
  return code_page.ToUtf8(std::string(buffer.begin(), end));
}

}  // namespace tarnwick::config
