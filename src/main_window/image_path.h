#pragma once
// Where skin pictures live: the "image" folder of the program's folder.
#include <string>

namespace tarnwick::main_window {

// The program folder, "\image\", then `name` unchanged (it may name a file in a subfolder).
// A folder that already ends in "\" (a drive's root) gets only "image\", so that the separator
// is not doubled.
std::string BuildImagePath(const std::string& program_folder, const std::string& name);

}  // namespace tarnwick::main_window
