#include "candy_button/win32/gdi_drawing.h"

#include <algorithm>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/gdi_picture.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {

COLORREF GdiDrawing::Resolve(platform::Colour colour) const {
  return colours_.Translate(colour).value_or(platform::kBlack);
}

void GdiDrawing::SetPixel(int x, int y, platform::Colour colour) {
  SetPixelV(dc_, x, y, Resolve(colour));
}

void GdiDrawing::Line(int x1, int y1, int x2, int y2, platform::Colour colour) {
  GdiPen pen(CreatePen(PS_SOLID, 1, Resolve(colour)));
  GdiSelection selected(dc_, pen.Get());
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);  // the end point is not drawn
}

void GdiDrawing::FillBox(int x1, int y1, int x2, int y2, platform::Colour colour) {
  FillRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1}, colour);
}

void GdiDrawing::FillRect(const platform::PixelRect& rect, platform::Colour colour) {
  const RECT area{rect.left, rect.top, rect.right, rect.bottom};
  GdiBrush brush(CreateSolidBrush(Resolve(colour)));
  ::FillRect(dc_, &area, brush.Get());
}

void GdiDrawing::FillEllipses(const std::vector<platform::EllipseFill>& ellipses) {
  GdiSelection selected_pen(dc_, GetStockObject(NULL_PEN));
  for (const platform::EllipseFill& ellipse : ellipses) {
    GdiBrush brush(CreateSolidBrush(Resolve(ellipse.colour)));
    GdiSelection selected_brush(dc_, brush.Get());
    Ellipse(dc_, ellipse.rect.left, ellipse.rect.top, ellipse.rect.right, ellipse.rect.bottom);
  }
}

platform::TextExtent GdiDrawing::MeasureText(const std::string& utf8) const {
  const std::wstring wide = Utf8ToWide(utf8);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

void GdiDrawing::DrawPrefixText(int x, int y, const std::string& utf8, platform::Colour colour,
                                bool disabled) {
  const std::wstring wide = Utf8ToWide(utf8);
  SetTextColor(dc_, Resolve(colour));
  SetBkMode(dc_, TRANSPARENT);
  DrawStateW(dc_, nullptr, nullptr, reinterpret_cast<LPARAM>(wide.c_str()),
             static_cast<WPARAM>(wide.size()), x, y, 0, 0,
             DST_PREFIXTEXT | (disabled ? DSS_DISABLED : 0));
}

void GdiDrawing::DrawPicture(const platform::Picture& picture, platform::PictureKind kind,
                             const platform::PixelRect& where, platform::PictureEffect effect,
                             platform::Colour silhouette_colour) {
  const auto* data = dynamic_cast<const GdiPictureData*>(picture.Data());
  if (!data) return;
  const bool icon = kind == platform::PictureKind::Icon && data->Icon();
  UINT flags = icon ? DST_ICON : DST_BITMAP;
  GdiBrush brush;
  if (effect == platform::PictureEffect::Disabled) flags |= DSS_DISABLED;
  if (effect == platform::PictureEffect::Silhouette) {
    brush.Reset(CreateSolidBrush(Resolve(silhouette_colour)));
    flags |= DSS_MONO;
  }
  const LPARAM handle = icon ? reinterpret_cast<LPARAM>(data->Icon())
                             : reinterpret_cast<LPARAM>(data->Bitmap());
  if (!handle) return;
  DrawStateW(dc_, brush.Get(), nullptr, handle, 0, where.left, where.top,
             where.right - where.left, where.bottom - where.top, flags);
}

}  // namespace tarnwick::win32
