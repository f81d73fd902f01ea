#pragma once
// Where the launcher's windows and their controls will be, as JSON: the splash at the screen's
// middle, the bar docked on the screen and the open side panel beside it, built by the
// launcher's own construction in the simulated platform. The end-to-end checks take the
// rectangles they expect of the real programs from here instead of from numbers of their own.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/ansi_code_page.h"
#include "skin_tools/skin_preview.h"

namespace tarnwick::skin_tools {

struct Geometry {
  std::optional<std::string> json;
  std::string problem;  // why there is none
};

// The screen, then "splash" (as created, before it shows), "bar" and "panel", each with its
// caption, outer and client rectangles and its controls ({"kind", "id", "rect"}), every
// rectangle [left, top, right, bottom] in screen pixels. `options.panel` and `options.pressed`
// are not used: the panel is always opened.
Geometry GeometryJson(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                      const PreviewOptions& options);

}  // namespace tarnwick::skin_tools
