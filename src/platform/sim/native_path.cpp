#include <algorithm>

#include "platform/sim/native_path.h"

namespace tarnwick::sim {

std::filesystem::path NativePath(const std::string& windows_path) {
  std::u8string path(windows_path.begin(), windows_path.end());  // UTF-8 on every host
  std::replace(path.begin(), path.end(), u8'\\', u8'/');
  return path;
}

}  // namespace tarnwick::sim
