#pragma once
// INI lookups through the system's GetPrivateProfileStringA. The call names its file in the
// ANSI code page, which cannot spell every folder name (Thai letters or an emoji on a Korean
// system). The file is then reached under its short name where that one can be spelled, and
// otherwise read through its wide name and looked up by the same rules in portable code
// (platform/common/profile_string.h), so a lookup always reads the file that exists at `path`.
#include "platform/ini_port.h"
#include "platform/win32/win32_code_page.h"

namespace tarnwick::win32 {

class Win32Ini : public platform::IniPort {
 public:
  std::size_t ReadProfileString(const std::string& section, const std::string& key,
                               const std::string& default_text, char* buffer, std::size_t size,
                               const std::string& path) override;

 private:
  Win32CodePage code_page_;  // the system's ANSI code page
};

// The lookup that Win32Ini makes where no name of the file can be spelled: the file read
// through its wide name, the value found by the portable rules in `code_page`.
std::size_t ReadProfileStringByRules(const std::string& section, const std::string& key,
                                     const std::string& default_text, char* buffer, std::size_t size,
                                     const std::string& path, const platform::AnsiCodePage& code_page);

}  // namespace tarnwick::win32
