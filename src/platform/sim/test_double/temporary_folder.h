#pragma once
// The simulated program's folder in tests: a real temporary folder on the host.
#include <filesystem>

namespace tarnwick::sim {

// A fresh, empty temporary folder, removed with everything in it when this object goes.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tarnwick::sim
