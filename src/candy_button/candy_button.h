#pragma once
// CandyButton: an owner-drawn push button with colour schemes, eight drawing styles and
// persisted properties. It draws on the surface its host provides, turns the host's input
// notifications and three hooked window messages into its visual state, and reports property
// changes and events to that host.
#include <cstdint>
#include <memory>
#include <string>

#include "candy_button/button_state.h"
#include "candy_button/candy_properties.h"
#include "candy_button/colour_math.h"
#include "candy_button/control_host.h"
#include "candy_button/control_input.h"
#include "candy_button/hook_engine.h"
#include "candy_button/property_bag.h"
#include "candy_button/rounded_region.h"

namespace tarnwick::candy {

class CandyButton final : public ControlInput, public HookOwner {
 public:
  explicit CandyButton(ControlHost& host);
  // Tear-down: ends every hook this control installed.
  ~CandyButton();
  CandyButton(const CandyButton&) = delete;
  CandyButton& operator=(const CandyButton&) = delete;

  // Life cycle: first values of a new instance, or the saved ones; and saving.
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag);

  std::int32_t Style() const { return props_.style; }
  void SetStyle(std::int32_t value);
  std::int32_t PictureAlignment() const { return props_.picture_alignment; }
  void SetPictureAlignment(std::int32_t value);
  bool Checked() const { return props_.checked; }
  void SetChecked(bool value);
  const std::string& Caption() const { return props_.caption; }
  void SetCaption(const std::string& value);
  const std::optional<ButtonPicture>& Picture() const { return props_.picture; }
  void SetPicture(std::optional<ButtonPicture> value);
  Colour ColorButtonHover() const { return props_.color_button_hover; }
  void SetColorButtonHover(Colour value);
  Colour ColorButtonUp() const { return props_.color_button_up; }
  void SetColorButtonUp(Colour value);
  Colour ColorButtonDown() const { return props_.color_button_down; }
  void SetColorButtonDown(Colour value);
  Colour ColorBright() const { return props_.color_bright; }
  void SetColorBright(Colour value);
  Colour ForeColor() const { return props_.fore_color; }
  void SetForeColor(Colour value);
  bool DisplayHand() const { return props_.display_hand; }
  void SetDisplayHand(bool value) { props_.display_hand = value; }
  std::int32_t BorderBrightness() const { return props_.border_brightness; }
  void SetBorderBrightness(std::int32_t value);
  std::int32_t ColorScheme() const { return props_.color_scheme; }
  void SetColorScheme(std::int32_t value);
  bool IconHighLite() const { return props_.icon_highlite; }
  void SetIconHighLite(bool value);
  Colour IconHighLiteColor() const { return props_.icon_highlite_color; }
  void SetIconHighLiteColor(Colour value);
  bool CaptionHighLite() const { return props_.caption_highlite; }
  void SetCaptionHighLite(bool value);
  Colour CaptionHighLiteColor() const { return props_.caption_highlite_color; }
  void SetCaptionHighLiteColor(Colour value);
  bool Enabled() const { return props_.enabled; }
  void SetEnabled(bool value);
  platform::FontSpec Font() const { return host_.Surface().Font(); }
  void SetFont(const platform::FontSpec& value);

  // Public methods.
  void DrawIconWCaption(ButtonState state);
  Colour BlendColors(Colour color1, Colour color2, std::int32_t& percentage) const;
  void GetRGB(std::int32_t& r, std::int32_t& g, std::int32_t& b, Colour color) const;

  // Repaints the face for `state` (Checked while Checked() is set); returns the state painted.
  ButtonState Redraw(ButtonState state);
  // Rebuilds the window outline and the inner hit region for the current style and size.
  void ShapeWindow();

  bool IsReady() const { return is_ready_; }
  std::int32_t CornerRadius() const { return corner_radius_; }
  const platform::PixelRegion* InnerRegion() const { return inner_region_.get(); }
  bool IsHovering() const { return is_hovering_; }
  bool HasFocus() const { return has_focus_; }
  bool HookAvailable() const { return hook_available_; }
  bool UseUser32Tracking() const { return use_user32_tracking_; }
  HookEngine& Hooks() { return hooks_; }

  // Input notifications from the host.
  void OnKeyDown(std::int16_t key_code, std::int16_t shift) override;
  void OnKeyUp(std::int16_t key_code, std::int16_t shift) override;
  void OnClick() override;
  void OnDblClick() override;
  void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
  void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
  void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  void OnResize() override;
  void OnShow() override;
  // The hook's callback (ordinal 1): WM_PAINT, WM_MOUSEMOVE and WM_MOUSELEAVE.
  void OnHookMessage(bool before, bool& handled, std::intptr_t& return_value,
                     platform::WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                     std::intptr_t lparam, std::int32_t& user_value) override;

 private:
  void StoreFaceColour(Colour& member, Colour value, std::string_view notification);
  void PaintFace(ButtonState state);
  void SetUpHook();
  bool IsFunctionExported(std::string_view function, std::string_view module);
  void RequestLeaveNotification(platform::WindowHandle window);
  void OnPointerMoved(platform::WindowHandle window, std::uintptr_t key_state,
                      std::intptr_t position);
  void OnPointerLeft();
  void Raise(CandyEventId id);
  void RaiseMouse(CandyEventId id, std::int16_t button, std::int16_t shift, float x, float y);

  ControlHost& host_;
  CandyProperties props_;
  bool is_ready_ = false;
  bool is_hovering_ = false;
  bool has_focus_ = false;
  bool hook_available_ = false;
  bool use_user32_tracking_ = false;
  std::int32_t corner_radius_ = 0;
  std::shared_ptr<const platform::PixelRegion> inner_region_;
  RoundedRegionCache region_cache_;
  HookEngine hooks_;
};

}  // namespace tarnwick::candy
