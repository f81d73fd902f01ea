#include "skin_tools/host_paths.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace tarnwick::skin_tools {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

std::vector<std::string> Names(const std::string& relative) {
  std::vector<std::string> names;
  std::string name;
  for (char c : relative + '\\') {
    if (c != '\\' && c != '/') {
      name += c;
    } else if (!name.empty()) {
      names.push_back(name);
      name.clear();
    }
  }
  return names;
}

// The entry of `folder` named `name`, letter case aside; nothing when there is none.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder, const std::string& name) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (SameIgnoringCase(PathText(it->path().filename()), name)) return it->path();
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path Utf8Path(const std::string& utf8) { return std::filesystem::path(std::u8string(utf8.begin(), utf8.end())); }

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string HostPaths::Relative(const std::string& launcher_path) {
  const std::string root = std::string(kProgramFolder) + "\\";
  return launcher_path.starts_with(root) ? launcher_path.substr(root.size()) : launcher_path;
}

std::optional<HostPath> HostPaths::Resolve(const std::string& launcher_path) const {
  const std::string root = kProgramFolder;
  if (!launcher_path.starts_with(root)) return std::nullopt;
  if (launcher_path.size() > root.size() && launcher_path[root.size()] != '\\') return std::nullopt;
  HostPath resolved{skin_folder_};
  for (const std::string& name : Names(launcher_path.substr(root.size()))) {
    std::error_code error;
    const std::filesystem::path exact = resolved.path / Utf8Path(name);
    if (name == "." || name == ".." || std::filesystem::exists(exact, error)) {
      resolved.path = exact;
    } else if (const auto other_case = FindIgnoringCase(resolved.path, name)) {
      resolved.path = *other_case;
      resolved.case_differs = true;
    } else {
      resolved.path = exact;
    }
  }
  return resolved;
}

}  // namespace tarnwick::skin_tools
