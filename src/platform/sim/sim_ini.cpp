#include "platform/sim/sim_ini.h"

#include "platform/common/profile_string.h"
#include "platform/common/profile_text.h"
#include "platform/sim/regular_file.h"
#include "platform/sim/sim_paths.h"

namespace tarnwick::sim {

std::size_t ReadProfileStringFromFile(const std::filesystem::path& file, const std::string& section,
                                      const std::string& key, const std::string& default_text, char* buffer,
                                      std::size_t size, const platform::AnsiCodePage& code_page) {
  std::optional<std::string> text;
  if (const auto bytes = ReadRegularFile(file)) text = platform::DecodeProfileText(*bytes, code_page);
  return platform::CopyProfileString(text, section, key, default_text, buffer, size, code_page);
}

std::size_t SimIni::ReadProfileString(const std::string& section, const std::string& key,
                                      const std::string& default_text, char* buffer, std::size_t size,
                                      const std::string& path) {
  log_.Record("ReadProfileString", section, key, default_text, size, path);
  return ReadProfileStringFromFile(NativePath(path), section, key, default_text, buffer, size,
                                   code_page_);
}

}  // namespace tarnwick::sim
