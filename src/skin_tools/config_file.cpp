#include "skin_tools/config_file.h"

#include <system_error>

#include "config/config_reader.h"
#include "platform/sim/regular_file.h"

namespace tarnwick::skin_tools {
namespace {

bool StartsWithByteOrderMark(const std::string& bytes) {
  return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

// Text has no NUL (outside UTF-16) and few control characters besides tab, line ends and the
// old end-of-file mark.
bool LooksBinary(const std::string& bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return false;
  std::size_t controls = 0;
  for (unsigned char c : bytes) {
    if (c == 0) return true;
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != 0x1A) ++controls;
  }
  return controls * 20 > bytes.size() && !StartsWithByteOrderMark(bytes);
}

ConfigFileState StateOf(const std::filesystem::path& path, std::uintmax_t& size) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return ConfigFileState::Missing;
  if (std::filesystem::is_directory(status)) return ConfigFileState::Folder;
  if (!std::filesystem::is_regular_file(status)) return ConfigFileState::NotAFile;
  size = std::filesystem::file_size(path, error);
  if (error) return ConfigFileState::Unreadable;
  return size > kLargestConfigBytes ? ConfigFileState::TooLarge : ConfigFileState::Readable;
}

}  // namespace

ConfigFile ReadConfigFile(const HostPaths& paths) {
  ConfigFile file;
  const auto host = paths.Resolve(config::ConfigPath(kProgramFolder));
  if (!host) return file;
  file.case_differs = host->case_differs;
  file.state = StateOf(host->path, file.size);
  if (file.state != ConfigFileState::Readable) return file;
  auto bytes = sim::ReadRegularFile(host->path);
  if (!bytes) {
    file.state = ConfigFileState::Unreadable;
    return file;
  }
  file.bytes = std::move(*bytes);
  if (LooksBinary(file.bytes)) file.state = ConfigFileState::Binary;
  return file;
}

std::string DescribeUnreadable(const ConfigFile& file) {
  switch (file.state) {
    case ConfigFileState::Missing:
      return "config.ini is missing: the launcher refuses to start without it.";
    case ConfigFileState::Folder:
      return "config.ini is a folder, not a file: the launcher refuses to start.";
    case ConfigFileState::NotAFile:
      return "config.ini is not a regular file: the launcher cannot read it.";
    case ConfigFileState::Unreadable:
      return "config.ini cannot be read here (no permission, or a read error).";
    case ConfigFileState::TooLarge:
      return "config.ini is " + std::to_string(file.size) + " bytes, more than any configuration needs (over " +
             std::to_string(kLargestConfigBytes / (1024 * 1024)) +
             " MiB); the launcher would read all of it again at every lookup. It was not checked.";
    case ConfigFileState::Binary:
      return "config.ini is not a text file (it holds NUL bytes or control characters); the launcher finds no "
             "settings in it.";
    case ConfigFileState::Readable:
      break;
  }
  return {};
}

}  // namespace tarnwick::skin_tools
