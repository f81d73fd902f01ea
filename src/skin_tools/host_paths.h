#pragma once
// Where the launcher's paths lie on the host that runs the skin tools. The launcher runs in a
// virtual program folder (kProgramFolder) that stands for the skin folder being checked, so that
// its paths read the same whatever the folder is called here.
#include <filesystem>
#include <optional>
#include <string>

namespace tarnwick::skin_tools {

// The program folder the launcher is shown; every path it builds starts with it.
inline constexpr const char* kProgramFolder = "C:\\Launcher";

struct HostPath {
  std::filesystem::path path;
  bool case_differs = false;  // found only by ignoring letter case, as Windows does
};

class HostPaths {
 public:
  explicit HostPaths(std::filesystem::path skin_folder) : skin_folder_(std::move(skin_folder)) {}

  const std::filesystem::path& SkinFolder() const { return skin_folder_; }
  // The host path of a launcher path inside the program folder ('\' or '/' between names),
  // matching names without regard to letter case where the host tells case apart; nothing
  // for a path outside the program folder.
  std::optional<HostPath> Resolve(const std::string& launcher_path) const;
  // The part of a launcher path after the program folder and its separator, or the path itself.
  static std::string Relative(const std::string& launcher_path);

 private:
  std::filesystem::path skin_folder_;
};

// The host path of UTF-8 text.
std::filesystem::path Utf8Path(const std::string& utf8);
std::string PathText(const std::filesystem::path& path);

}  // namespace tarnwick::skin_tools
