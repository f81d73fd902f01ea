#pragma once
// The gallery's log file, written only when the command line asks for one: a record a line (see
// candy_gallery/gallery_log_records.h) per event raised, the buttons' places on the screen, and
// the process's object counts.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace tarnwick::win32 {

class GalleryLog {
 public:
  GalleryLog() = default;
  explicit GalleryLog(const std::filesystem::path& path)
      : file_(std::in_place, path, std::ios::binary) {}
  bool Enabled() const { return file_.has_value() && bool(*file_); }
  void Write(const std::string& line) {
    if (Enabled()) *file_ << line << '\n' << std::flush;
  }

 private:
  std::optional<std::ofstream> file_;
};

}  // namespace tarnwick::win32
