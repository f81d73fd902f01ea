#pragma once
// INI lookups of the simulated platform: reads the real file on disk at every call, as the
// system does (nothing is cached, so edits show at the next lookup), and applies the system's
// lookup rules (platform/common/profile_string.h) in code page 949 (cp949_code_page.h) or in
// the code page it is given.
// The path is UTF-8 and may be in Windows form ('\' between folders). A file that
// is missing, unreadable or no regular file (a folder, a pipe, a device) gives the default text.
// Records "ReadProfileString(section,key,default,size,path)", texts as passed, in the call log.
#include <filesystem>

#include "platform/ini_port.h"
#include "platform/sim/call_log.h"
#include "platform/sim/cp949_code_page.h"

namespace tarnwick::sim {

// One lookup in the host file `file`, with the arguments and result of ReadProfileString.
std::size_t ReadProfileStringFromFile(const std::filesystem::path& file, const std::string& section,
                                      const std::string& key, const std::string& default_text, char* buffer,
                                      std::size_t size, const platform::AnsiCodePage& code_page);

class SimIni : public platform::IniPort {
 public:
  explicit SimIni(CallLog& log) : SimIni(log, SharedCp949CodePage()) {}
  SimIni(CallLog& log, const platform::AnsiCodePage& code_page) : log_(log), code_page_(code_page) {}

  std::size_t ReadProfileString(const std::string& section, const std::string& key,
                               const std::string& default_text, char* buffer, std::size_t size,
                               const std::string& path) override;

 private:
  CallLog& log_;
  const platform::AnsiCodePage& code_page_;
};

}  // namespace tarnwick::sim
