#pragma once
// Lookups in config.ini, the launcher's read-only configuration. Every lookup follows one
// convention: the system's single-byte INI call with a 255-byte buffer and the default text
// MissingValueText, the section, key and default converted to the ANSI code page before the
// call and the value converted back after it; the file is named by its path as it is. The
// file is read afresh at each lookup.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ansi_code_page.h"
#include "platform/ini_port.h"

namespace tarnwick::config {

// The value of any missing key, section or file. Callers use it as a value like any other.
inline constexpr std::string_view MissingValueText = "값이 없습니다.";

// The bytes handed to the INI call; it stores at most one byte less.
inline constexpr std::size_t kValueBufferSize = 255;

// The configuration file of the program in `program_folder`: folder + "\config.ini".
std::string ConfigPath(std::string_view program_folder);

// The value of `key` in `section` of the file at `config_path` (all UTF-8), at most
// 254 bytes in the ANSI code page, or MissingValueText.
std::string ReadConfigValue(platform::IniPort& ini, const platform::AnsiCodePage& code_page,
                            const std::string& config_path, std::string_view section,
                            std::string_view key);

// A window's view of config.ini: its `configPath` and the ports to read it through.
class ConfigFile {
 public:
  ConfigFile(platform::IniPort& ini, const platform::AnsiCodePage& code_page, std::string config_path)
      : ini_(ini), code_page_(code_page), config_path_(std::move(config_path)) {}

  const std::string& Path() const { return config_path_; }
  std::string ReadConfigValue(std::string_view section, std::string_view key) const {
    return config::ReadConfigValue(ini_, code_page_, config_path_, section, key);
  }

 private:
  platform::IniPort& ini_;
  const platform::AnsiCodePage& code_page_;
  std::string config_path_;
};

}  // namespace tarnwick::config
