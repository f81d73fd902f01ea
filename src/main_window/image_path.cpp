#include "main_window/image_path.h"

namespace tarnwick::main_window {

std::string BuildImagePath(const std::string& program_folder, const std::string& name) {
  const bool ends_in_separator = !program_folder.empty() && program_folder.back() == '\\';
  return program_folder + (ends_in_separator ? "image\\" : "\\image\\") + name;
}

}  // namespace tarnwick::main_window
