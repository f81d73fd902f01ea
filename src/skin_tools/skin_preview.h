#pragma once
// A picture of the launcher as it will look with a skin: the bar docked at the right edge of a
// screen, and optionally the open side panel beside it, drawn from the windows the launcher's
// own construction built in the simulated platform, over a checkered backdrop that shows
// through where the bar is translucent.
#include <filesystem>
#include <optional>
#include <string>

#include "common/edition.h"
#include "platform/ansi_code_page.h"
#include "platform/sim/raster_image.h"
#include "platform/sim/sim_windows.h"
#include "skin_tools/skin_sandbox.h"

namespace tarnwick::skin_tools {

struct PreviewOptions {
  Edition edition = Edition::Full;
  bool panel = false;
  std::optional<int> pressed;  // a bar button held down (0..24)
  sim::SimScreen screen;       // 1280 x 800 pixels by default
  int scale_percent = 100;     // the display's scaling: the screen's resolution is 96 dpi times this
};

struct Preview {
  std::optional<sim::RasterImage> image;
  std::string problem;  // why there is no image
};

Preview RenderPreview(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                      const PreviewOptions& options);

// The sandbox that shows the launcher with these options (edition, screen, scaling).
SandboxOptions SandboxOptionsFor(const PreviewOptions& options);

// Why the launcher would not start at all in this folder (no folder, no readable config.ini).
std::optional<std::string> LauncherStartProblem(const std::filesystem::path& folder);

// The backdrop: squares of two light greys.
void DrawCheckers(sim::RasterImage& image);

}  // namespace tarnwick::skin_tools
