#pragma once
// The simulated program lives in a real temporary folder on the host. Logic joins paths with
// the Windows separator; the host reads them with '\' turned into '/'.
#include <filesystem>
#include <string>

namespace tarnwick::sim {

// The host path of a Windows-form path in UTF-8 text ('\' becomes '/').
std::filesystem::path NativePath(const std::string& windows_path);

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
