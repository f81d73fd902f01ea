#pragma once
// Reads a whole file only when it is a regular file, so that a folder, a named pipe or a
// device in its place never blocks or fails the caller.
#include <filesystem>
#include <optional>
#include <string>

namespace tarnwick::sim {

// The file's bytes, or nothing when it is missing, not a regular file or cannot be read.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path);

}  // namespace tarnwick::sim
