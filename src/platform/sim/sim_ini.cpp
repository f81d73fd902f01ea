#include "platform/sim/sim_ini.h"

#include <utility>

#include "platform/common/profile_string.h"
#include "platform/common/profile_text.h"
#include "platform/sim/native_path.h"
#include "platform/sim/regular_file.h"

namespace tarnwick::sim {

std::size_t ProfileFileReader::Read(const std::filesystem::path& file, const std::string& section,
                                    const std::string& key, const std::string& default_text, char* buffer,
                                    std::size_t size) {
  std::optional<std::string> bytes = ReadRegularFile(file);
  if (!bytes) return platform::CopyProfileString(std::nullopt, section, key, default_text, buffer, size, code_page_);
  if (bytes != bytes_) {
    text_ = platform::DecodeProfileText(*bytes, code_page_);
    bytes_ = std::move(bytes);
  }
  return platform::CopyProfileString(text_, section, key, default_text, buffer, size, code_page_);
}

std::size_t SimIni::ReadProfileString(const std::string& section, const std::string& key,
                                      const std::string& default_text, char* buffer, std::size_t size,
                                      const std::string& path) {
  log_.Record("ReadProfileString", section, key, default_text, size, path);
  return files_.Read(NativePath(path), section, key, default_text, buffer, size);
}

}  // namespace tarnwick::sim
