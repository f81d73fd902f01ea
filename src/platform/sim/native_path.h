#pragma once
// The simulated program lives in a real folder on the host. Logic joins paths with the Windows
// separator; the host reads them with '\' turned into '/'.
#include <filesystem>
#include <string>

namespace tarnwick::sim {

// The host path of a Windows-form path in UTF-8 text ('\' becomes '/').
std::filesystem::path NativePath(const std::string& windows_path);

}  // namespace tarnwick::sim
