// Painting: window outline, face painter by style, caption and picture.
#include "candy_button/caption_layout.h"
#include "candy_button/candy_button.h"
#include "candy_button/paint_context.h"

namespace tarnwick::candy {
namespace {

// Outline radius of a rounded style; nullopt for the rectangular ones.
std::optional<std::int32_t> OutlineRadius(std::int32_t style, int W, int H) {
  switch (style) {
    case 2: case 4: case 5: return ClampValue(H / 2 + 1, 1, W / 2);
    case 3: return 12;
    case 6: return ClampValue(H / 3, 1, W / 3);
    case 7: return ClampValue(H / 4 + 1, 1, W / 4);
    default: return std::nullopt;
  }
}

platform::PictureEffect PictureEffectFor(const CandyProperties& props, ButtonState state) {
  if (!props.enabled) return platform::PictureEffect::Disabled;
  if (state == ButtonState::Hover && props.icon_highlite) return platform::PictureEffect::Silhouette;
  return platform::PictureEffect::Plain;
}

}  // namespace

ButtonState CandyButton::Redraw(ButtonState state) {
  if (props_.checked) state = ButtonState::Checked;
  if (!is_ready_) return state;
  host_.Surface().ClearBackgroundPicture();
  PaintFace(state);
  DrawIconWCaption(state);
  return state;
}

// Faces need at least two pixels each way: the painters divide by the glow's half sizes and
// by the height, so a smaller button gets no face (caption and picture are still drawn).
void CandyButton::PaintFace(ButtonState state) {
  platform::ControlSurface& surface = host_.Surface();
  PaintContext context{surface.Drawing(), surface.InnerWidth(), surface.InnerHeight(), props_,
                       host_.Colours(), surface.ParentBackColour(), inner_region_.get(),
                       corner_radius_};
  if (context.width < 2 || context.height < 2) return;
  switch (props_.style) {
    case kStyleClassic: PaintStyleClassic(context, state); break;
    case kStyleFlat: PaintStyleFlat(context, state); break;
    case kStyleShaded: PaintShaded(context, state); break;
    default: PaintGloss(context, state); break;  // gloss styles; other values paint nothing
  }
}

void CandyButton::ShapeWindow() {
  platform::ControlSurface& surface = host_.Surface();
  const int W = surface.InnerWidth(), H = surface.InnerHeight();
  inner_region_.reset();
  const std::optional<std::int32_t> radius = OutlineRadius(props_.style, W, H);
  if (!radius) {
    surface.SetWindowRegion(nullptr);
    return;
  }
  corner_radius_ = std::max(*radius, 1);
  surface.SetWindowRegion(region_cache_.Get(0, 0, W, H, *radius));
  inner_region_ = region_cache_.Get(1, 1, W - 2, H - 2, *radius);
}

void CandyButton::DrawIconWCaption(ButtonState state) {
  platform::ControlSurface& surface = host_.Surface();
  platform::DrawingPort& draw = surface.Drawing();
  ContentSizes sizes;
  if (props_.picture) {
    sizes.picture_width = props_.picture->image.WidthPixels();
    sizes.picture_height = props_.picture->image.HeightPixels();
  }
  if (!props_.caption.empty()) {
    const platform::TextExtent extent = draw.MeasureText(props_.caption);
    sizes.text_width = extent.width, sizes.text_height = extent.height;
  }
  const ContentPlacement at = PlaceContent(props_.picture_alignment, surface.InnerWidth(),
                                           surface.InnerHeight(), sizes, corner_radius_,
                                           state == ButtonState::Pressed);
  const bool highlight_caption = state == ButtonState::Hover && props_.caption_highlite;
  const Colour caption_colour =
      highlight_caption ? props_.caption_highlite_color : surface.TextColour();
  if (!props_.caption.empty())
    draw.DrawPrefixText(at.text_x, at.text_y, props_.caption, caption_colour, !props_.enabled);
  if (props_.picture) {
    const platform::PixelRect where{at.picture_x, at.picture_y, at.picture_x + sizes.picture_width,
                                    at.picture_y + sizes.picture_height};
    draw.DrawPicture(props_.picture->image, props_.picture->kind, where,
                     PictureEffectFor(props_, state), props_.icon_highlite_color);
  }
  surface.Refresh();
}

}  // namespace tarnwick::candy
