#include "platform/sim/raster_window.h"

#include <cmath>
#include <string>

#include "platform/sim/raster_font.h"
#include "platform/sim/raster_scaled.h"
#include "platform/sim/raster_stretch.h"
#include "platform/window_style_port.h"

namespace tarnwick::sim {
namespace {

constexpr platform::Colour kFrameFace = 0xC8D0D4, kFrameShadow = 0x808080;
constexpr platform::Colour kCaptionBar = 0x6A240A, kCaptionText = 0xFFFFFF;
constexpr platform::Colour kFolderPane = 0xFFFFFF, kFolderPaneEdge = 0x808080;
constexpr int kCaptionTextLeft = 5, kCaptionTextTop = 4;

void FrameRect(RasterImage& image, const platform::PixelRect& rect, platform::Colour colour) {
  for (int x = rect.left; x < rect.right; ++x) {
    image.Set(x, rect.top, colour);
    image.Set(x, rect.bottom - 1, colour);
  }
  for (int y = rect.top; y < rect.bottom; ++y) {
    image.Set(rect.left, y, colour);
    image.Set(rect.right - 1, y, colour);
  }
}

void FillRect(RasterImage& image, const platform::PixelRect& rect, platform::Colour colour) {
  for (int y = rect.top; y < rect.bottom; ++y) image.FillRun(y, rect.left, rect.right, colour);
}

// The built-in font has printable ASCII only; the trade mark sign is spelt out.
std::string CaptionText(std::string caption) {
  const std::string trade_mark = "\xE2\x84\xA2";
  for (std::size_t at = caption.find(trade_mark); at != std::string::npos; at = caption.find(trade_mark, at)) {
    caption.replace(at, trade_mark.size(), "TM");
  }
  return caption;
}

bool HasFrame(const SimWindow& window) { return (window.style & platform::kWsCaption) == platform::kWsCaption; }

// Draws the frame and title bar of a captioned window.
void DrawFrame(RasterImage& image, const SimWindow& window, const SimScreen& screen) {
  if (!HasFrame(window)) return;
  const int frame = screen.fixed_frame_px, caption = screen.caption_height_px;
  FillRect(image, {0, 0, image.Width(), image.Height()}, kFrameFace);
  FrameRect(image, {0, 0, image.Width(), image.Height()}, kFrameShadow);
  FillRect(image, {frame, frame, image.Width() - frame, frame + caption - 1}, kCaptionBar);
  platform::FontSpec bold;
  bold.weight = 700;
  DrawRasterText(image, frame + kCaptionTextLeft, frame + kCaptionTextTop, CaptionText(window.caption), bold,
                 kCaptionText, false);
}

void DrawPicture(RasterImage& image, const platform::Picture& picture, const platform::PixelRect& where, bool stretch,
                 const SimScreen& screen) {
  const auto* data = dynamic_cast<const SimPictureData*>(picture.Data());
  if (data == nullptr) return;
  if (stretch) {
    DrawStretchedPicture(image, *data, where);
  } else {
    DrawPictureAtDpi(image, *data, screen.Dpi(), where);
  }
}

// A picture lies on what the window shows behind it, so its transparent parts show the window.
void DrawControl(RasterImage& image, const SimControl& control, const platform::PixelRect& rect, const SimScreen& screen) {
  using platform::ControlKind;
  if (control.spec.kind == ControlKind::FolderView) {
    FillRect(image, rect, kFolderPane);
    FrameRect(image, rect, kFolderPaneEdge);
    return;
  }
  if (control.spec.kind == ControlKind::Label) return;  // the launcher's windows have none
  DrawPicture(image, control.picture, rect, control.spec.kind == ControlKind::Image && control.spec.stretch, screen);
  if (control.border_style == 1) FrameRect(image, rect, platform::kBlack);
}

}  // namespace

platform::PixelRect OuterPixels(const SimWindow& window, const SimScreen& screen) {
  const auto pixels = [&screen](float twips) { return static_cast<int>(std::lround(twips / screen.twips_per_pixel)); };
  const int left = pixels(window.left), top = pixels(window.top);
  return {left, top, left + pixels(window.width), top + pixels(window.height)};
}

platform::PixelRect ClientPixels(const SimWindow& window, const SimScreen& screen) {
  const platform::PixelRect outer = OuterPixels(window, screen);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (!HasFrame(window)) return {0, 0, width, height};
  const int frame = screen.fixed_frame_px;
  return {frame, frame + screen.caption_height_px, width - frame, height - frame};
}

platform::PixelRect ControlPixels(const platform::ControlSpec& spec, const SimScreen& screen,
                                  const platform::PixelRect& client) {
  const auto pixels = [&](int twips) { return static_cast<int>(std::lround(twips / screen.twips_per_pixel)); };
  const int left = client.left + pixels(spec.left), top = client.top + pixels(spec.top);
  return {left, top, left + pixels(spec.width), top + pixels(spec.height)};
}

RasterImage RenderSimWindow(const SimWindow& window, const SimScreen& screen) {
  const platform::PixelRect outer = OuterPixels(window, screen);
  RasterImage image(outer.right - outer.left, outer.bottom - outer.top, window.spec.back_color);
  DrawFrame(image, window, screen);
  const platform::PixelRect client = ClientPixels(window, screen);
  FillRect(image, client, window.spec.back_color);
  DrawPicture(image, window.background, client, false, screen);
  for (const auto& [id, control] : window.controls) {
    DrawControl(image, control, ControlPixels(control.spec, screen, client), screen);
  }
  return image;
}

std::uint8_t ShownOpacity(const SimWindow& window) {
  return (window.ex_style & platform::kWsExLayered) != 0 ? window.alpha : 255;
}

void BlendOnto(RasterImage& image, const RasterImage& top, int x, int y, std::uint8_t alpha) {
  const auto mix = [alpha](platform::Colour over, platform::Colour under, int shift) {
    return (int(over >> shift & 0xFF) * alpha + int(under >> shift & 0xFF) * (255 - alpha) + 127) / 255;
  };
  for (int row = 0; row < top.Height(); ++row) {
    for (int column = 0; column < top.Width(); ++column) {
      if (!image.Inside(x + column, y + row)) continue;
      const platform::Colour over = top.At(column, row), under = image.At(x + column, y + row);
      image.Set(x + column, y + row, platform::MakeColour(mix(over, under, 0), mix(over, under, 8), mix(over, under, 16)));
    }
  }
}

}  // namespace tarnwick::sim
