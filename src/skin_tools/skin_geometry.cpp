#include "skin_tools/skin_geometry.h"

#include "platform/common/json_text.h"
#include "platform/sim/raster_window.h"
#include "skin_tools/skin_sandbox.h"

namespace tarnwick::skin_tools {
namespace {

std::string RectJson(const platform::PixelRect& rect, int x = 0, int y = 0) {
  return "[" + std::to_string(rect.left + x) + ", " + std::to_string(rect.top + y) + ", " +
         std::to_string(rect.right + x) + ", " + std::to_string(rect.bottom + y) + "]";
}

const char* KindName(platform::ControlKind kind) {
  switch (kind) {
    case platform::ControlKind::Image: return "image";
    case platform::ControlKind::PictureBox: return "picture_box";
    case platform::ControlKind::Label: return "label";
    case platform::ControlKind::FolderView: return "folder_view";
  }
  return "unknown";
}

std::string WindowJson(const sim::SimWindow* window, const sim::SimScreen& screen) {
  if (window == nullptr) return "null";
  const platform::PixelRect outer = sim::OuterPixels(*window, screen);
  const platform::PixelRect client = sim::ClientPixels(*window, screen);
  std::string json = "{\"caption\": " + platform::JsonQuoted(window->caption) +
                     ", \"visible\": " + (window->visible ? "true" : "false") + ", \"outer\": " + RectJson(outer) +
                     ", \"client\": " + RectJson(client, outer.left, outer.top) + ", \"controls\": [";
  bool first = true;
  for (const auto& [key, control] : window->controls) {
    json += first ? "\n    " : ",\n    ";
    first = false;
    json += std::string("{\"kind\": \"") + KindName(control.spec.kind) + "\", \"id\": " + std::to_string(control.spec.id) +
            ", \"rect\": " + RectJson(sim::ControlPixels(control.spec, screen, client), outer.left, outer.top) + "}";
  }
  return json + "]}";
}

}  // namespace

Geometry GeometryJson(const std::filesystem::path& folder, platform::AnsiCodePage& code_page,
                      const PreviewOptions& options) {
  if (const auto problem = LauncherStartProblem(folder)) return {std::nullopt, *problem};
  SkinSandbox sandbox(folder, code_page, SandboxOptionsFor(options));
  const sim::SimScreen& screen = sandbox.Screen();
  sandbox.BuildSplash();
  const std::string splash = WindowJson(sandbox.Splash(), screen);
  sandbox.BuildBar();
  const std::string bar = WindowJson(sandbox.Bar(), screen);
  sandbox.OpenPanel();
  return {"{\"screen\": {\"width\": " + std::to_string(screen.width_px) + ", \"height\": " +
              std::to_string(screen.height_px) + ", \"dpi\": " + std::to_string(screen.Dpi()) + "},\n\"splash\": " +
              splash + ",\n\"bar\": " + bar + ",\n\"panel\": " + WindowJson(sandbox.Panel(), screen) + "}\n",
          ""};
}

}  // namespace tarnwick::skin_tools
