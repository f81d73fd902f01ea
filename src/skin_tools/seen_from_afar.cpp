#include "skin_tools/seen_from_afar.h"

#include <array>
#include <string_view>
#include <system_error>

namespace tarnwick::skin_tools {
namespace {

constexpr const char* kSystemFolder = "C:\\Windows\\System32";
constexpr const char* kWindowsFolder = "C:\\Windows";

struct StandardProgram {
  std::string_view name;
  const char* folder;
};

// Programs that come with every Windows since XP, and where they are.
constexpr std::array<StandardProgram, 21> kStandardPrograms{{
    {"calc.exe", kSystemFolder},     {"charmap.exe", kSystemFolder},  {"cleanmgr.exe", kSystemFolder},
    {"cmd.exe", kSystemFolder},      {"control.exe", kSystemFolder},  {"dxdiag.exe", kSystemFolder},
    {"explorer.exe", kWindowsFolder}, {"magnify.exe", kSystemFolder}, {"mmc.exe", kSystemFolder},
    {"msconfig.exe", kSystemFolder}, {"mspaint.exe", kSystemFolder},  {"mstsc.exe", kSystemFolder},
    {"notepad.exe", kSystemFolder},  {"osk.exe", kSystemFolder},      {"regedit.exe", kWindowsFolder},
    {"rundll32.exe", kSystemFolder}, {"taskmgr.exe", kSystemFolder},  {"winver.exe", kSystemFolder},
    {"write.exe", kSystemFolder},    {"eventvwr.exe", kSystemFolder}, {"narrator.exe", kSystemFolder},
}};

}  // namespace

FileKind ProbeProgramFolder(const HostPaths& paths, const std::string& windows_path) {
  const auto host = paths.Resolve(windows_path);
  if (!host) return FileKind::Unknown;
  std::error_code error;
  const auto status = std::filesystem::status(host->path, error);
  if (std::filesystem::is_directory(status)) return FileKind::Folder;
  return std::filesystem::exists(status) ? FileKind::File : FileKind::Missing;
}

std::vector<SearchPlaces::Place> SeenFromAfar::SystemPlaces() const {
  return {{"the system folder", kSystemFolder},
          {"the 16-bit system folder", "C:\\Windows\\System"},
          {"the Windows folder", kWindowsFolder},
          {"the folders of PATH", "%PATH%"}};
}

FileKind SeenFromAfar::Probe(const std::string& windows_path) const { return ProbeProgramFolder(paths_, windows_path); }

std::optional<SearchPlaces::Place> SeenFromAfar::AssumedPlace(const std::string& file_name) const {
  for (const StandardProgram& program : kStandardPrograms) {
    if (program.name == file_name) {
      return Place{std::string(program.folder) == kSystemFolder ? "the system folder" : "the Windows folder",
                   program.folder};
    }
  }
  return std::nullopt;
}

}  // namespace tarnwick::skin_tools
