// Property setters: store, notify the host by the property's persisted name, repaint.
#include "candy_button/candy_button.h"

namespace tarnwick::candy {

void CandyButton::SetStyle(std::int32_t value) {
  if (value == props_.style) return;
  props_.style = value;
  host_.PropertyChanged("Style");
  ShapeWindow();
  Redraw(ButtonState::Normal);
}

void CandyButton::SetPictureAlignment(std::int32_t value) {
  if (value == props_.picture_alignment) return;
  props_.picture_alignment = value;
  host_.PropertyChanged("PictureAlignment");
  Redraw(ButtonState::Normal);
}

void CandyButton::SetChecked(bool value) {
  props_.checked = value;
  if (value) {
    Redraw(ButtonState::Checked);
  } else {
    Redraw(is_hovering_ ? ButtonState::Hover : ButtonState::Normal);
  }
  host_.PropertyChanged("Checked");
}

void CandyButton::SetCaption(const std::string& value) {
  props_.caption = value;
  host_.PropertyChanged("Caption");
  Redraw(ButtonState::Normal);
}

void CandyButton::SetPicture(std::optional<ButtonPicture> value) {
  props_.picture = std::move(value);
  host_.PropertyChanged("Picture");
  Redraw(ButtonState::Normal);
}

void CandyButton::StoreFaceColour(Colour& member, Colour value, std::string_view notification) {
  member = value;
  if (props_.color_scheme != 0) {
    props_.color_scheme = 0;
    host_.PropertyChanged("m_ColorScheme");
  }
  host_.PropertyChanged(notification);
  Redraw(ButtonState::Normal);
}

void CandyButton::SetColorButtonHover(Colour value) {
  StoreFaceColour(props_.color_button_hover, value, "m_ColorButtonHover");
}

void CandyButton::SetColorButtonUp(Colour value) {
  StoreFaceColour(props_.color_button_up, value, "m_ColorButtonUp");
}

void CandyButton::SetColorButtonDown(Colour value) {
  StoreFaceColour(props_.color_button_down, value, "m_ColorButtonDown");
}

void CandyButton::SetColorBright(Colour value) {
  StoreFaceColour(props_.color_bright, value, "m_ColorBright");
}

void CandyButton::SetForeColor(Colour value) {
  props_.fore_color = value;
  host_.Surface().SetTextColour(value);
  host_.PropertyChanged("ForeColor");
  Redraw(ButtonState::Normal);
}

void CandyButton::SetBorderBrightness(std::int32_t value) {
  props_.border_brightness = ClampValue(value, -100, 100);
  host_.PropertyChanged("m_BorderBrightness");
  Redraw(ButtonState::Normal);
}

void CandyButton::SetColorScheme(std::int32_t value) {
  if (const std::optional<ColourScheme> scheme = FindColourScheme(value)) {
    SetColorButtonUp(scheme->up);
    SetColorButtonHover(scheme->hover);
    SetColorButtonDown(scheme->down);
    SetColorBright(scheme->bright);
  }
  props_.color_scheme = value;
  host_.PropertyChanged("m_ColorScheme");
  Redraw(ButtonState::Normal);
}

void CandyButton::SetIconHighLite(bool value) {
  props_.icon_highlite = value;
  host_.PropertyChanged("IconHighLite");
}

void CandyButton::SetIconHighLiteColor(Colour value) {
  props_.icon_highlite_color = value;
  host_.PropertyChanged("IconHighLiteColor");
}

void CandyButton::SetCaptionHighLite(bool value) {
  props_.caption_highlite = value;
  host_.PropertyChanged("CaptionHighLite");
}

void CandyButton::SetCaptionHighLiteColor(Colour value) {
  props_.caption_highlite_color = value;
  host_.PropertyChanged("CaptionHighLiteColor");
}

void CandyButton::SetEnabled(bool value) {
  props_.enabled = value;
  host_.PropertyChanged("Enabled");
  Redraw(ButtonState::Normal);
}

void CandyButton::SetFont(const platform::FontSpec& value) {
  host_.Surface().SetFont(value);
  host_.PropertyChanged("Font");
  Redraw(ButtonState::Normal);
}

Colour CandyButton::BlendColors(Colour color1, Colour color2, std::int32_t& percentage) const {
  return candy::BlendColors(color1, color2, percentage, host_.Colours());
}

void CandyButton::GetRGB(std::int32_t& r, std::int32_t& g, std::int32_t& b, Colour color) const {
  const ChannelTriple channels = SplitColour(color, host_.Colours());
  r = channels.red;
  g = channels.green;
  b = channels.blue;
}

}  // namespace tarnwick::candy
