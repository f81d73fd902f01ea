#pragma once
// INI lookups through the system's GetPrivateProfileStringA.
#include "platform/ini_port.h"

namespace tarnwick::win32 {

class Win32Ini : public platform::IniPort {
 public:
  std::size_t ReadProfileString(const std::string& section, const std::string& key,
                               const std::string& default_text, char* buffer, std::size_t size,
                               const std::string& path) override;
};

}  // namespace tarnwick::win32
