#include "platform/sim/test_double/sim_platform.h"

#include <fstream>
#include <stdexcept>

#include "platform/sim/native_path.h"

namespace tarnwick::sim {

SimPlatform::SimPlatform()
    : ports_{windows, styles, ini, ansi, tray, app, clock, processes, folder_view, pictures, event_log} {}

void SimPlatform::WriteProgramFile(const std::string& relative_path, const std::string& bytes) {
  const auto path = app.Folder() / NativePath(relative_path);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tarnwick::sim
