#include "skin_tools/skin_cli.h"

#include <charconv>
#include <optional>

#include "main_window/form1_design.h"
#include "platform/common/picture_scaling.h"
#include "platform/sim/raster_png.h"
#include "skin_tools/report_format.h"
#include "skin_tools/skin_geometry.h"
#include "skin_tools/skin_preview.h"

namespace tarnwick::skin_tools {
namespace {

constexpr int kUsageExit = 2;
constexpr int kSmallestScreen = 200, kLargestScreen = 8192;

constexpr const char* kUsage =
    "usage: tarnwick-skin check FOLDER [--json]\n"
    "       tarnwick-skin preview FOLDER -o OUT.png [--edition full|le] [--panel] [--pressed N] [--screen WxH]\n"
    "                             [--scale 100|125|150|200]\n"
    "       tarnwick-skin geometry FOLDER [--edition full|le] [--screen WxH] [--scale 100|125|150|200]\n"
    "check: what the launcher will do with FOLDER/config.ini, key by key; exit 0 when nothing would\n"
    "       fail, 1 when something would, 2 when the folder cannot be read.\n"
    "preview: a PNG of the bar (and with --panel the open side panel) on a screen of WxH pixels\n"
    "       (1280x800 by default); --pressed N shows the press frame on bar button N (0..24);\n"
    "       --scale P shows the launcher on a display scaled to P % (the default screen grows with it).\n"
    "geometry: the splash's, the bar's and the open side panel's rectangles and those of their\n"
    "       controls, in screen pixels, as JSON.\n";

std::optional<int> Number(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<sim::SimScreen> ScreenOf(const std::string& text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto width = Number(text.substr(0, x)), height = Number(text.substr(x + 1));
  const auto fits = [](std::optional<int> v) { return v && *v >= kSmallestScreen && *v <= kLargestScreen; };
  if (!fits(width) || !fits(height)) return std::nullopt;
  sim::SimScreen screen;
  screen.width_px = *width;
  screen.height_px = *height;
  return screen;
}

// The scalings a display offers that the preview shows.
bool IsScale(int percent) { return percent == 100 || percent == 125 || percent == 150 || percent == 200; }

int Usage(ToolHost& host, const std::string& problem) {
  host.err += "tarnwick-skin: " + problem + "\n" + kUsage;
  return kUsageExit;
}

int Check(const std::vector<std::string>& arguments, ToolHost& host) {
  std::optional<std::string> folder;
  bool json = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--json") {
      json = true;
    } else if (!folder && !arguments[i].starts_with("-")) {
      folder = arguments[i];
    } else {
      return Usage(host, "unexpected argument " + arguments[i]);
    }
  }
  if (!folder) return Usage(host, "check needs a FOLDER");
  const SkinReport report = CheckSkin(Utf8Path(*folder), host.code_page, host.make_places);
  host.out += json ? ReportJson(report) : ReportText(report);
  return report.ExitCode();
}

// Reads the preview's options; a message when one is wrong.
std::optional<std::string> PreviewOption(const std::vector<std::string>& arguments, std::size_t& i,
                                         PreviewOptions& options, std::optional<std::string>& output) {
  const std::string& option = arguments[i];
  if (option == "--panel") {
    options.panel = true;
    return std::nullopt;
  }
  if (i + 1 >= arguments.size()) return option + " needs a value";
  const std::string& value = arguments[++i];
  if (option == "-o") {
    output = value;
  } else if (option == "--edition" && (value == "full" || value == "le")) {
    options.edition = value == "le" ? Edition::Le : Edition::Full;
  } else if (option == "--pressed" && Number(value) && *Number(value) >= 0 && *Number(value) < main_window::kButtonCount) {
    options.pressed = *Number(value);
  } else if (option == "--screen" && ScreenOf(value)) {
    options.screen = *ScreenOf(value);
  } else if (option == "--scale" && Number(value) && IsScale(*Number(value))) {
    options.scale_percent = *Number(value);
  } else {
    return "bad option " + option + " " + value;
  }
  return std::nullopt;
}

// The preview's and the geometry's arguments: the folder, the options and the output file.
std::optional<std::string> ReadPreviewArguments(const std::vector<std::string>& arguments, std::optional<std::string>& folder,
                                                PreviewOptions& options, std::optional<std::string>& output) {
  bool screen_given = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    screen_given = screen_given || arguments[i] == "--screen";
    if (!arguments[i].starts_with("-") && !folder) {
      folder = arguments[i];
    } else if (const auto problem = PreviewOption(arguments, i, options, output)) {
      return problem;
    }
  }
  if (!screen_given) {  // the default screen is as large at any scaling
    const int dpi = platform::kDesignDpi * options.scale_percent / 100;
    options.screen.width_px = platform::ScaledLength(options.screen.width_px, dpi);
    options.screen.height_px = platform::ScaledLength(options.screen.height_px, dpi);
  }
  return std::nullopt;
}

int GeometryCommand(const std::vector<std::string>& arguments, ToolHost& host) {
  std::optional<std::string> folder, output;
  PreviewOptions options;
  if (const auto problem = ReadPreviewArguments(arguments, folder, options, output)) return Usage(host, *problem);
  if (!folder || output || options.panel || options.pressed) return Usage(host, "geometry needs a FOLDER and takes --edition, --screen, --scale");
  const Geometry geometry = GeometryJson(Utf8Path(*folder), host.code_page, options);
  if (!geometry.json) {
    host.err += "tarnwick-skin: " + geometry.problem + "\n";
    return kUsageExit;
  }
  host.out += *geometry.json;
  return 0;
}

int PreviewCommand(const std::vector<std::string>& arguments, ToolHost& host) {
  std::optional<std::string> folder, output;
  PreviewOptions options;
  if (const auto problem = ReadPreviewArguments(arguments, folder, options, output)) return Usage(host, *problem);
  if (!folder || !output) return Usage(host, "preview needs a FOLDER and -o OUT.png");
  const Preview preview = RenderPreview(Utf8Path(*folder), host.code_page, options);
  if (!preview.image) {
    host.err += "tarnwick-skin: " + preview.problem + "\n";
    return kUsageExit;
  }
  if (!sim::WritePng(*preview.image, *output)) {
    host.err += "tarnwick-skin: cannot write " + *output + "\n";
    return kUsageExit;
  }
  host.out += "wrote " + *output + " (" + std::to_string(preview.image->Width()) + " x " +
              std::to_string(preview.image->Height()) + ")\n";
  return 0;
}

}  // namespace

int RunSkinTool(const std::vector<std::string>& arguments, ToolHost& host) {
  if (arguments.empty()) return Usage(host, "no command");
  if (arguments[0] == "--help" || arguments[0] == "-h") {
    host.out += kUsage;
    return 0;
  }
  if (arguments[0] == "check") return Check(arguments, host);
  if (arguments[0] == "preview") return PreviewCommand(arguments, host);
  if (arguments[0] == "geometry") return GeometryCommand(arguments, host);
  return Usage(host, "unknown command " + arguments[0]);
}

}  // namespace tarnwick::skin_tools
