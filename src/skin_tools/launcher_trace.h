#pragma once
// What the launcher did while the skin tools ran it: every config.ini lookup with the value it
// got, and what the launcher then handed that value to.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_pictures.h"

namespace tarnwick::skin_tools {

enum class LauncherWindow { Bar, Panel };

// The handler that ran: a window's construction (control -1) or the click of a control.
struct Step {
  LauncherWindow window = LauncherWindow::Bar;
  int control = -1;
  bool IsConstruction() const { return control < 0; }
};

// What a looked-up value went to.
enum class ValueUse {
  None,     // nothing was called with it (the bar's opacity: it is only parsed)
  Picture,  // a picture was loaded from the path built from it
  Command,  // a program start was asked for with it
  Folder,   // the folder view was sent to the location built from it
};

struct PictureTarget {
  bool background = false;  // the window's background picture, else the control's
  int control = -1;
};

struct Lookup {
  Step step;
  std::string section, key;  // as the launcher asked, UTF-8
  std::string value;         // as the launcher got it, UTF-8
  std::size_t stored_bytes = 0;
  ValueUse use = ValueUse::None;
  std::string argument;  // the picture path, command line or folder location handed on
  std::optional<sim::PictureLoad> picture;  // how the picture file loaded (pictures only)
  bool path_case_differs = false;           // the file was found ignoring letter case
  std::optional<PictureTarget> target;      // where the launcher put the picture
};

using LauncherTrace = std::vector<Lookup>;

}  // namespace tarnwick::skin_tools
