#include "platform/sim/sim_folder_panes.h"

#include <filesystem>
#include <system_error>

#include "platform/common/unavailable_location.h"
#include "platform/sim/native_path.h"
#include "platform/system_numbers.h"

namespace tarnwick::sim {
namespace {

using platform::kErrorDirectory;
using platform::kErrorFileNotFound;
using platform::kErrorPathNotFound;

// The error the system's attribute lookup gives for the location, 0 for an existing folder. The
// host path has no trailing separator, so a file is looked up as the file it names.
unsigned long FolderProblem(const std::string& location) {
  std::filesystem::path path = NativePath(location);
  while (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return 0;
  if (std::filesystem::exists(path, error)) return kErrorDirectory;
  return std::filesystem::is_directory(path.parent_path(), error) ? kErrorFileNotFound : kErrorPathNotFound;
}

}  // namespace

std::string SimSystemMessage(unsigned long error) {
  switch (error) {
    case kErrorFileNotFound: return "The system cannot find the file specified.\r\n";
    case kErrorPathNotFound: return "The system cannot find the path specified.\r\n";
    case kErrorDirectory: return "The directory name is invalid.\r\n";
    default: return {};
  }
}

bool SimFolderPanes::Show(platform::WindowHandle window, int control, const std::string& location) {
  FolderPane& pane = panes_[{window, control}];
  const unsigned long problem = FolderProblem(location);
  pane.folder = problem == 0 ? location : std::string();
  pane.notice = problem == 0 ? std::string()
                             : platform::UnavailableLocationNotice(location, problem, SimSystemMessage(problem));
  return problem == 0;
}

const FolderPane* SimFolderPanes::Find(platform::WindowHandle window, int control) const {
  const auto found = panes_.find({window, control});
  return found == panes_.end() ? nullptr : &found->second;
}

}  // namespace tarnwick::sim
