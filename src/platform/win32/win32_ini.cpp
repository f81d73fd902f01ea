#include "platform/win32/win32_ini.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace tarnwick::win32 {

std::size_t Win32Ini::ReadProfileString(const std::string& section, const std::string& key,
                                        const std::string& default_text, char* buffer, std::size_t size,
                                        const std::string& path) {
  const auto size_for_call = static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
  return GetPrivateProfileStringA(section.c_str(), key.c_str(), default_text.c_str(), buffer, size_for_call,
                                  path.c_str());
}

}  // namespace tarnwick::win32
