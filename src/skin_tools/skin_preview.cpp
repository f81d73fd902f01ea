#include "skin_tools/skin_preview.h"

#include "platform/common/picture_scaling.h"
#include "platform/sim/raster_window.h"
#include "skin_tools/config_file.h"
#include "skin_tools/skin_sandbox.h"

namespace tarnwick::skin_tools {
namespace {

constexpr int kCheckerSquare = 16;
constexpr platform::Colour kCheckerLight = 0xF4F4F4, kCheckerDark = 0xCFCFCF;

void DrawWindow(sim::RasterImage& image, const sim::SimWindow* window, const sim::SimScreen& screen) {
  if (window == nullptr || !window->visible) return;
  const platform::PixelRect outer = sim::OuterPixels(*window, screen);
  sim::BlendOnto(image, sim::RenderSimWindow(*window, screen), outer.left, outer.top, sim::ShownOpacity(*window));
}

}  // namespace

SandboxOptions SandboxOptionsFor(const PreviewOptions& options) {
  SandboxOptions sandbox_options;
  sandbox_options.edition = options.edition;
  sandbox_options.screen = options.screen;
  sandbox_options.screen.ScaleToDpi(platform::kDesignDpi * options.scale_percent / 100);
  return sandbox_options;
}

std::optional<std::string> LauncherStartProblem(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return PathText(folder) + " is not a folder.";
  const ConfigFile file = ReadConfigFile(HostPaths(folder));
  switch (file.state) {
    case ConfigFileState::Missing:
    case ConfigFileState::Folder:
    case ConfigFileState::NotAFile:
    case ConfigFileState::TooLarge: return DescribeUnreadable(file);
    default: return std::nullopt;
  }
}

void DrawCheckers(sim::RasterImage& image) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      image.Set(x, y, ((x / kCheckerSquare + y / kCheckerSquare) % 2 == 0) ? kCheckerLight : kCheckerDark);
    }
  }
}

Preview RenderPreview(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                      const PreviewOptions& options) {
  if (const auto problem = LauncherStartProblem(folder)) return {std::nullopt, *problem};
  SkinSandbox sandbox(folder, code_page, SandboxOptionsFor(options));
  sandbox.BuildBar();
  if (options.pressed) sandbox.PressBarButton(*options.pressed);
  if (options.panel) sandbox.OpenPanel();
  sim::RasterImage image(options.screen.width_px, options.screen.height_px);
  DrawCheckers(image);
  DrawWindow(image, sandbox.Bar(), sandbox.Screen());
  DrawWindow(image, sandbox.Panel(), sandbox.Screen());
  return {std::move(image), ""};
}

}  // namespace tarnwick::skin_tools
