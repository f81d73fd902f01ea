#pragma once
// 2-D drawing on a control's persistent surface, in pixels with (0, 0) at the top left.
// Colours may be system-colour references; the backend resolves them as it draws.
// Everything is clipped to the surface.
#include <string>
#include <vector>

#include "platform/colour_port.h"
#include "platform/picture.h"

namespace tarnwick::platform {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct EllipseFill {
  PixelRect rect;
  Colour colour = 0;
};

struct TextExtent {
  int width = 0, height = 0;
};

enum class PictureKind { Bitmap = 1, Icon = 3 };

// How a picture is drawn: as is, embossed grey (disabled), or as a one-colour silhouette.
enum class PictureEffect { Plain, Disabled, Silhouette };

class DrawingPort {
 public:
  virtual ~DrawingPort() = default;
  virtual void SetPixel(int x, int y, Colour colour) = 0;
  // Straight line from (x1, y1) towards (x2, y2); the end point is not drawn.
  virtual void Line(int x1, int y1, int x2, int y2, Colour colour) = 0;
  // Filled box with both corners included.
  virtual void FillBox(int x1, int y1, int x2, int y2, Colour colour) = 0;
  virtual void FillRect(const PixelRect& rect, Colour colour) = 0;
  // Ellipses inscribed in their rectangles, filled without outline, in order: a later one
  // covers an earlier one where they overlap.
  virtual void FillEllipses(const std::vector<EllipseFill>& ellipses) = 0;

  // Extent of a text in the surface font, without prefix processing.
  virtual TextExtent MeasureText(const std::string& utf8) const = 0;
  // Text whose "&" marks the next character as access key (underlined; "&&" is one "&").
  virtual void DrawPrefixText(int x, int y, const std::string& utf8, Colour colour,
                              bool disabled) = 0;
  virtual void DrawPicture(const Picture& picture, PictureKind kind, const PixelRect& where,
                           PictureEffect effect, Colour silhouette_colour) = 0;
};

}  // namespace tarnwick::platform
