#pragma once
// The skin folder's config.ini as a file: whether the launcher can read it at all, and its
// bytes for the checks that look at the whole file.
#include <cstdint>
#include <string>

#include "skin_tools/host_paths.h"

namespace tarnwick::skin_tools {

// Larger files are not read: no configuration comes near this, and the launcher would read the
// whole file again at every one of its lookups.
inline constexpr std::uintmax_t kLargestConfigBytes = 16u * 1024 * 1024;

enum class ConfigFileState {
  Readable,
  Missing,     // the launcher refuses to start
  Folder,      // a folder of that name: the launcher refuses to start
  NotAFile,    // a device, pipe or other thing that is no regular file
  Unreadable,  // exists but cannot be opened or read here
  TooLarge,
  Binary,      // NUL bytes or control characters: not a text file
};

struct ConfigFile {
  ConfigFileState state = ConfigFileState::Missing;
  std::uintmax_t size = 0;
  bool case_differs = false;  // found as "Config.INI" or the like
  std::string bytes;          // when Readable
};

ConfigFile ReadConfigFile(const HostPaths& paths);

// A sentence for a state other than Readable.
std::string DescribeUnreadable(const ConfigFile& file);

}  // namespace tarnwick::skin_tools
