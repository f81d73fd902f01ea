#pragma once
// INI lookups of the simulated platform: reads the real file on disk at every call, as the
// system does (so edits show at the next lookup), and applies the system's lookup rules
// (platform/common/profile_string.h) in code page 949 (cp949_code_page.h) or in the code page
// it is given.
// The path is UTF-8 and may be in Windows form ('\\' between folders). A file that
// is missing, unreadable or no regular file (a folder, a pipe, a device) gives the default text.
// Records "ReadProfileString(section,key,default,size,path)", texts as passed, in the call log.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/ini_port.h"
#include "platform/sim/call_log.h"
#include "platform/sim/cp949_code_page.h"

namespace tarnwick::sim {

// Lookups in host files. The file is read at every lookup; the conversion of its text is kept
// while its bytes stay the same, since a skin check makes hundreds of lookups in one file and
// converting it afresh for each took most of the check's time on a large file.
class ProfileFileReader {
 public:
  explicit ProfileFileReader(const platform::AnsiCodePage& code_page) : code_page_(code_page) {}
  // One lookup in the host file `file`, with the arguments and result of ReadProfileString.
  std::size_t Read(const std::filesystem::path& file, const std::string& section, const std::string& key,
                   const std::string& default_text, char* buffer, std::size_t size);

 private:
  const platform::AnsiCodePage& code_page_;
  std::optional<std::string> bytes_;  // of the file converted last
  std::string text_;
};

class SimIni : public platform::IniPort {
 public:
  explicit SimIni(CallLog& log) : SimIni(log, SharedCp949CodePage()) {}
  SimIni(CallLog& log, const platform::AnsiCodePage& code_page) : log_(log), files_(code_page) {}

  std::size_t ReadProfileString(const std::string& section, const std::string& key,
                               const std::string& default_text, char* buffer, std::size_t size,
                               const std::string& path) override;

 private:
  CallLog& log_;
  ProfileFileReader files_;
};

}  // namespace tarnwick::sim
