// First values of a new instance, and loading from / saving to the container's property bag.
// The keys, their orders and their defaults are the control's persisted form.
#include "candy_button/candy_button.h"
#include "candy_button/property_values.h"

namespace tarnwick::candy {
namespace {

std::optional<ButtonPicture> LoadPicture(ControlHost& host, const PropertyBag& bag) {
  const std::string source = ReadString(bag, "Picture", "");
  if (source.empty()) return std::nullopt;
  return host.Pictures().Load(source);
}

}  // namespace

void CandyButton::InitProperties() {
  platform::ControlSurface& surface = host_.Surface();
  if (!host_.AmbientUserMode()) {
    props_.color_button_up = kDefaultFaceColour;
    props_.color_button_down = kDefaultFaceColour;
    props_.color_button_hover = kDefaultHoverColour;
    props_.color_bright = kDefaultBrightColour;
    props_.enabled = true;
    props_.caption = surface.Name();
    surface.ClearBackgroundPicture();
  }
  props_.caption = host_.ExtenderName();
  is_ready_ = true;
}

void CandyButton::ReadProperties(const PropertyBag& bag) {
  platform::ControlSurface& surface = host_.Surface();
  props_.enabled = ReadBool(bag, "Enabled", true);
  surface.SetFont(ReadFont(bag, "Font", host_.AmbientFont()));
  props_.caption = ReadString(bag, "Caption", surface.Name());
  props_.caption_highlite = ReadBool(bag, "CaptionHighLite", false);
  props_.caption_highlite_color = ReadColour(bag, "CaptionHighLiteColor", kDefaultHighLiteColour);
  props_.icon_highlite = ReadBool(bag, "IconHighLite", false);
  props_.icon_highlite_color = ReadColour(bag, "IconHighLiteColor", kDefaultHighLiteColour);
  props_.fore_color = ReadColour(bag, "ForeColor", 0);
  props_.picture = LoadPicture(host_, bag);
  props_.picture_alignment = ReadInt(bag, "PictureAlignment", 0);
  props_.style = ReadInt(bag, "Style", 0);
  props_.checked = ReadBool(bag, "Checked", props_.checked);
  props_.color_button_hover = ReadColour(bag, "ColorButtonHover", kDefaultHoverColour);
  props_.color_button_up = ReadColour(bag, "ColorButtonUp", kDefaultFaceColour);
  props_.color_button_down = ReadColour(bag, "ColorButtonDown", kDefaultFaceColour);
  props_.color_bright = ReadColour(bag, "ColorBright", kDefaultBrightColour);
  props_.border_brightness = ReadInt(bag, "BorderBrightness", 0);
  props_.display_hand = ReadBool(bag, "DisplayHand", false);
  props_.color_scheme = ReadInt(bag, "ColorScheme", 0);
  surface.SetMousePointer(props_.display_hand ? platform::kPointerCustomHand
                                              : platform::kPointerArrow);
  surface.SetTextColour(props_.fore_color);
  if (host_.AmbientUserMode()) SetUpHook();
  is_ready_ = true;
}

void CandyButton::WriteProperties(PropertyBag& bag) {
  platform::ControlSurface& surface = host_.Surface();
  const std::string kFalse = FormatBool(false), kGreen = FormatColour(kDefaultHighLiteColour),
                    kZero = FormatInt(0);
  bag.Store("Enabled", FormatBool(props_.enabled), FormatBool(true));
  bag.Store("Font", FormatFont(surface.Font()), FormatFont(host_.AmbientFont()));
  bag.Store("Caption", props_.caption, surface.Name());
  bag.Store("IconHighLite", FormatBool(props_.icon_highlite), kFalse);
  bag.Store("IconHighLiteColor", FormatColour(props_.icon_highlite_color), kGreen);
  bag.Store("CaptionHighLite", FormatBool(props_.caption_highlite), kFalse);
  bag.Store("CaptionHighLiteColor", FormatColour(props_.caption_highlite_color), kGreen);
  bag.Store("ForeColor", FormatColour(props_.fore_color), FormatColour(0));
  bag.Store("Picture", props_.picture ? props_.picture->source : std::string());
  bag.Store("PictureAlignment", FormatInt(props_.picture_alignment), kZero);
  bag.Store("Style", FormatInt(props_.style), kZero);
  bag.Store("Checked", FormatBool(props_.checked));
  bag.Store("ColorButtonHover", FormatColour(props_.color_button_hover));
  bag.Store("ColorButtonUp", FormatColour(props_.color_button_up));
  bag.Store("ColorButtonDown", FormatColour(props_.color_button_down));
  bag.Store("BorderBrightness", FormatInt(props_.border_brightness));
  bag.Store("ColorBright", FormatColour(props_.color_bright));
  bag.Store("DisplayHand", FormatBool(props_.display_hand));
  bag.Store("ColorScheme", FormatInt(props_.color_scheme));
}

}  // namespace tarnwick::candy
