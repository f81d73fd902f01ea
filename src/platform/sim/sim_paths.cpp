#include "platform/sim/sim_paths.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace tarnwick::sim {

std::filesystem::path NativePath(const std::string& windows_path) {
  std::string path = windows_path;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarnwick-sim-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tarnwick::sim
