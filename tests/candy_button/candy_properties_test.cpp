// Setter effects: stored values, notifications by name, repaints and their order.
#include <array>

#include <gtest/gtest.h>

#include "candy_test_support.h"

namespace tarnwick::candy {
namespace {

using testing::Join;
using testing::kRepaint;
using testing::ReadyButton;
using Lines = std::vector<std::string>;

TEST(CandyProperties, BorderBrightnessIsClampedWhenSet) {
  ReadyButton b;
  b.button.SetBorderBrightness(250);
  EXPECT_EQ(b.button.BorderBrightness(), 100);
  b.button.SetBorderBrightness(-101);
  EXPECT_EQ(b.button.BorderBrightness(), -100);
  EXPECT_EQ(b.Calls(), Join(Join({"PropertyChanged(m_BorderBrightness)"}, kRepaint),
                            Join({"PropertyChanged(m_BorderBrightness)"}, kRepaint)));
}

TEST(CandyProperties, ColourSchemeAssignsItsFourColoursThroughTheSetters) {
  ReadyButton b;
  b.button.SetColorScheme(3);
  EXPECT_EQ(b.button.ColorButtonUp(), 0x800000u);
  EXPECT_EQ(b.button.ColorButtonHover(), 0xA00000u);
  EXPECT_EQ(b.button.ColorButtonDown(), 0xF00000u);
  EXPECT_EQ(b.button.ColorBright(), 0xFF0000u);
  EXPECT_EQ(b.button.ColorScheme(), 3);
  Lines expected;
  for (const char* name : {"m_ColorButtonUp", "m_ColorButtonHover", "m_ColorButtonDown", "m_ColorBright"})
    expected = Join(Join(expected, {std::string("PropertyChanged(") + name + ")"}), kRepaint);
  expected = Join(Join(expected, {"PropertyChanged(m_ColorScheme)"}), kRepaint);
  EXPECT_EQ(b.Calls(), expected);

  // Changing one colour afterwards turns the scheme back into custom colours.
  b.host.Log().Clear();
  b.button.SetColorButtonHover(0x123456);
  EXPECT_EQ(b.button.ColorScheme(), 0);
  EXPECT_EQ(b.Calls(), Join({"PropertyChanged(m_ColorScheme)", "PropertyChanged(m_ColorButtonHover)"}, kRepaint));
}

TEST(CandyProperties, UnknownSchemeIsStoredWithoutTouchingColours) {
  ReadyButton b;
  b.button.SetColorScheme(9);
  EXPECT_EQ(b.button.ColorScheme(), 9);
  EXPECT_EQ(b.button.ColorButtonUp(), kDefaultFaceColour);
  EXPECT_EQ(b.button.ColorBright(), kDefaultBrightColour);
  EXPECT_EQ(b.Calls(), Join({"PropertyChanged(m_ColorScheme)"}, kRepaint));
}

TEST(CandyProperties, StyleAndAlignmentIgnoreTheirCurrentValue) {
  ReadyButton b;
  b.button.SetStyle(0);
  b.button.SetPictureAlignment(0);
  EXPECT_TRUE(b.Calls().empty());
  b.button.SetStyle(2);
  EXPECT_EQ(b.Calls(), Join({"PropertyChanged(Style)", "SetWindowRgn(region)"}, kRepaint));
  b.host.Log().Clear();
  b.button.SetPictureAlignment(3);
  EXPECT_EQ(b.Calls(), Join({"PropertyChanged(PictureAlignment)"}, kRepaint));
}

TEST(CandyProperties, HighlightSettersNotifyWithoutRepainting) {
  ReadyButton b;
  b.button.SetIconHighLite(true);
  b.button.SetIconHighLiteColor(0xFF);
  b.button.SetCaptionHighLite(true);
  b.button.SetCaptionHighLiteColor(0xFF00);
  b.button.SetDisplayHand(true);  // stored only, not even notified
  EXPECT_EQ(b.Calls(), (Lines{"PropertyChanged(IconHighLite)", "PropertyChanged(IconHighLiteColor)",
                              "PropertyChanged(CaptionHighLite)", "PropertyChanged(CaptionHighLiteColor)"}));
  EXPECT_TRUE(b.button.IconHighLite() && b.button.CaptionHighLite() && b.button.DisplayHand());
  EXPECT_EQ(b.button.CaptionHighLiteColor(), 0xFF00u);
}

TEST(CandyProperties, CheckedPaintsAtOnceAndNotifiesAfterwards) {
  ReadyButton b;
  b.button.SetStyle(1);
  b.host.Log().Clear();
  b.button.SetChecked(true);
  EXPECT_EQ(b.Calls(), Join(kRepaint, {"PropertyChanged(Checked)"}));
  EXPECT_EQ(b.Image().At(3, 3), platform::kWhite);  // style 1 Checked face is white

  // Unchecking while the pointer is over the button paints the hover face.
  b.host.Send(platform::kMsgMouseMove, 0, testing::PointerAt(50, 10));
  ASSERT_TRUE(b.button.IsHovering());
  b.button.SetChecked(false);
  EXPECT_EQ(b.Image().At(3, 10), platform::MakeColour(246, 245, 240));  // hover body, row 10
}

TEST(CandyProperties, RemainingSettersStoreNotifyAndRepaint) {
  ReadyButton b;
  b.button.SetCaption("Go");
  b.button.SetForeColor(0x0000FF);
  b.button.SetEnabled(false);
  b.button.SetFont({"Arial", 12, 700});
  b.button.SetPicture(std::nullopt);
  EXPECT_EQ(b.Calls(), Join(Join(Join(Join(Join(Join({"PropertyChanged(Caption)"}, kRepaint),
                                                  {"SetTextColour(255)", "PropertyChanged(ForeColor)"}),
                                             kRepaint),
                                        Join({"PropertyChanged(Enabled)"}, kRepaint)),
                                   Join({"SetFont(Arial,12,700)", "PropertyChanged(Font)"}, kRepaint)),
                              Join({"PropertyChanged(Picture)"}, kRepaint)));
  EXPECT_EQ(b.button.Caption(), "Go");
  EXPECT_EQ(b.host.Raster().TextColour(), 0x0000FFu);
  EXPECT_FALSE(b.button.Enabled());
  EXPECT_EQ(b.button.Font().name, "Arial");
}

TEST(CandyProperties, PublicColourMethodsUseTheHostTranslation) {
  ReadyButton b;
  std::int32_t r = -1, g = -1, bl = -1;
  b.button.GetRGB(r, g, bl, 0x00D06720);
  EXPECT_EQ((std::array{r, g, bl}), (std::array{32, 103, 208}));
  std::int32_t percentage = 150;
  EXPECT_EQ(b.button.BlendColors(0x80000005, 0, percentage), 0u);
  EXPECT_EQ(percentage, 100);
}

TEST(CandyProperties, NothingIsDrawnBeforePropertiesAreReady) {
  sim::RasterCandyHost host(40, 20);
  CandyButton button(host);
  const sim::RasterImage before = host.Raster().Image();
  EXPECT_EQ(button.Redraw(ButtonState::Hover), ButtonState::Hover);
  button.SetCaption("x");
  EXPECT_EQ(host.Raster().Image(), before);
  EXPECT_FALSE(button.IsReady());
  EXPECT_EQ(host.Log().Calls(), Lines{"PropertyChanged(Caption)"});
}

}  // namespace
}  // namespace tarnwick::candy
