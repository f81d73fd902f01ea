#include "platform/sim/sim_ini.h"

#include <utility>

#include "platform/common/profile_string.h"
#include "platform/common/profile_text.h"
#include "platform/sim/regular_file.h"
#include "platform/sim/sim_paths.h"

namespace tarnwick::sim {

namespace {

// The text of the file read last (per thread), by its bytes and code page. The skin check makes
// hundreds of lookups in one file, and converting it afresh for each took most of the check's
// time on a large file; the file is still read at every lookup, so an edit shows at once.
struct DecodedFile {
  std::string bytes;
  const platform::AnsiCodePage* code_page = nullptr;
  std::string text;
};

const std::string& TextOf(std::string bytes, const platform::AnsiCodePage& code_page) {
  thread_local DecodedFile last;
  if (last.code_page != &code_page || last.bytes != bytes) {
    last.text = platform::DecodeProfileText(bytes, code_page);
    last.bytes = std::move(bytes);
    last.code_page = &code_page;
  }
  return last.text;
}

}  // namespace

std::size_t ReadProfileStringFromFile(const std::filesystem::path& file, const std::string& section,
                                      const std::string& key, const std::string& default_text, char* buffer,
                                      std::size_t size, const platform::AnsiCodePage& code_page) {
  std::optional<std::string> bytes = ReadRegularFile(file);
  if (!bytes) return platform::CopyProfileString(std::nullopt, section, key, default_text, buffer, size, code_page);
  return platform::CopyProfileString(TextOf(std::move(*bytes), code_page), section, key, default_text, buffer, size,
                                     code_page);
}

std::size_t SimIni::ReadProfileString(const std::string& section, const std::string& key,
                                      const std::string& default_text, char* buffer, std::size_t size,
                                      const std::string& path) {
  log_.Record("ReadProfileString", section, key, default_text, size, path);
  return ReadProfileStringFromFile(NativePath(path), section, key, default_text, buffer, size,
                                   code_page_);
}

}  // namespace tarnwick::sim
