// First values, loading and saving through the property bag, and bad saved input.
#include <gtest/gtest.h>

#include <fstream>

#include "candy_button/property_values.h"
#include "candy_test_support.h"
#include "platform/sim/raster_png.h"

namespace tarnwick::candy {
namespace {

using testing::ReadyButton;

TEST(CandyPersistence, DesignerPlacedInstanceGetsDesignerColours) {
  sim::RasterCandyHost host(80, 24, "CandyButton3");
  host.SetUserMode(false);
  CandyButton button(host);
  button.InitProperties();
  EXPECT_EQ(button.ColorButtonUp(), 0xE99950u);
  EXPECT_EQ(button.ColorButtonDown(), 0xE99950u);
  EXPECT_EQ(button.ColorButtonHover(), 0xFFC090u);
  EXPECT_EQ(button.ColorBright(), 0xFFEDB0u);
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.Caption(), "CandyButton3");
  EXPECT_TRUE(button.IsReady());
  EXPECT_EQ(host.Log().Calls(), std::vector<std::string>{"ClearBackgroundPicture()"});
}

TEST(CandyPersistence, RunTimeInstanceHasBlackFacesButIsReady) {
  sim::RasterCandyHost host(80, 24, "okButton");
  CandyButton button(host);
  button.InitProperties();
  EXPECT_EQ(button.ColorButtonUp(), 0u);
  EXPECT_EQ(button.ColorBright(), 0u);
  EXPECT_FALSE(button.Enabled());
  EXPECT_EQ(button.Caption(), "okButton");
  EXPECT_TRUE(button.IsReady());
}

TEST(CandyPersistence, EmptyBagLoadsTheDefaults) {
  sim::RasterCandyHost host(80, 24);
  host.SetAmbientFont({"Gulim", 10, 400});
  CandyButton button(host);
  button.ReadProperties(PropertyBag());
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.ColorButtonUp(), 0xE99950u);
  EXPECT_EQ(button.ColorButtonDown(), 0xE99950u);
  EXPECT_EQ(button.ColorButtonHover(), 0xFFC090u);
  EXPECT_EQ(button.ColorBright(), 0xFFEDB0u);
  EXPECT_EQ(button.IconHighLiteColor(), 65280u);
  EXPECT_EQ(button.CaptionHighLiteColor(), 65280u);
  EXPECT_EQ(button.Caption(), "CandyButton");  // the surface's own name
  EXPECT_EQ(button.Font().name, "Gulim");
  EXPECT_FALSE(button.Picture());
  EXPECT_EQ(host.Raster().MousePointer(), platform::kPointerArrow);
  EXPECT_TRUE(button.IsReady());
}

TEST(CandyPersistence, LoadingStoresValuesWithoutSetterRules) {
  sim::RasterCandyHost host(80, 24);
  CandyButton button(host);
  button.ReadProperties(PropertyBag::FromText(
      "BorderBrightness = 250\nColorScheme = 3\nStyle = 12\nPictureAlignment = -4\n"
      "DisplayHand = True\nForeColor = 0x000000FF\n"));
  EXPECT_EQ(button.BorderBrightness(), 250);
  EXPECT_EQ(button.ColorScheme(), 3);
  EXPECT_EQ(button.ColorButtonUp(), 0xE99950u);  // the scheme's colours are not applied
  EXPECT_EQ(button.Style(), 12);
  EXPECT_EQ(button.PictureAlignment(), -4);
  EXPECT_EQ(host.Raster().MousePointer(), platform::kPointerCustomHand);
  EXPECT_EQ(host.Raster().TextColour(), 0xFFu);
  EXPECT_TRUE(host.Log().Matching("PropertyChanged").empty());

  // The first paint of a gloss style brings the loaded brightness into range.
  button.SetStyle(2);
  EXPECT_EQ(button.BorderBrightness(), 100);
}

TEST(CandyPersistence, BadValuesFallBackToDefaultsAndDrawingCopes) {
  sim::RasterCandyHost host(60, 20);
  CandyButton button(host);
  const std::string huge(1 << 20, 'W');
  PropertyBag bag = PropertyBag::FromText(
      "Enabled = perhaps\nStyle = three\nColorButtonUp = 0x1FFFFFFFF\nFont = ;;\n"
      "Picture = /no/such/picture.png\nChecked = 1\n");
  bag.Store("Caption", huge);
  button.ReadProperties(bag);
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.Style(), 0);
  EXPECT_EQ(button.ColorButtonUp(), 0xE99950u);
  EXPECT_EQ(button.Font(), platform::FontSpec{});
  EXPECT_FALSE(button.Picture());
  EXPECT_FALSE(button.Checked());
  EXPECT_EQ(button.Caption().size(), huge.size());
  for (int style : {0, 1, 2, 3, 4, 5, 6, 7, 8, -1}) {
    button.SetStyle(style);
    button.Redraw(ButtonState::Hover);
  }
  EXPECT_EQ(host.Raster().Image().Width(), 60);
}

std::string SaveToText(CandyButton& button) {
  PropertyBag bag;
  button.WriteProperties(bag);
  return bag.ToText();
}

TEST(CandyPersistence, SavingWritesInOrderAndLeavesOutDefaults) {
  ReadyButton b;
  EXPECT_EQ(SaveToText(b.button),
            "Picture = \"\"\nChecked = False\nColorButtonHover = 0x00FFC090\n"
            "ColorButtonUp = 0x00E99950\nColorButtonDown = 0x00E99950\nBorderBrightness = 0\n"
            "ColorBright = 0x00FFEDB0\nDisplayHand = False\nColorScheme = 0\n");
}

TEST(CandyPersistence, EveryPropertyRoundTripsThroughTheText) {
  const std::string icon_path = ::testing::TempDir() + "candy_round_trip.png";
  sim::RasterImage icon(4, 3, 0x3366CC);
  ASSERT_TRUE(sim::WritePng(icon, icon_path));

  ReadyButton saved;
  CandyButton& a = saved.button;
  a.SetStyle(6); a.SetPictureAlignment(3); a.SetChecked(true); a.SetCaption("Save &all\n\"now\"");
  a.SetPicture(saved.host.Pictures().Load(icon_path)); a.SetColorScheme(4);
  a.SetForeColor(0x80000012); a.SetDisplayHand(true); a.SetBorderBrightness(-40);
  a.SetIconHighLite(true); a.SetIconHighLiteColor(0xABCDEF); a.SetCaptionHighLite(true);
  a.SetCaptionHighLiteColor(0x010203); a.SetEnabled(false); a.SetFont({"Nanum Gothic", 11.25, 700, true, true, false});
  const std::string text = SaveToText(a);

  ReadyButton loaded;
  loaded.button.ReadProperties(PropertyBag::FromText(text));
  CandyButton& b = loaded.button;
  EXPECT_EQ(SaveToText(b), text);
  EXPECT_EQ(b.Style(), 6);
  EXPECT_EQ(b.PictureAlignment(), 3);
  EXPECT_TRUE(b.Checked());
  EXPECT_EQ(b.Caption(), "Save &all\n\"now\"");
  ASSERT_TRUE(b.Picture());
  EXPECT_EQ(b.Picture()->image.WidthPixels(), 4);
  EXPECT_EQ(b.Picture()->kind, platform::PictureKind::Icon);
  EXPECT_EQ(b.ColorScheme(), 4);
  EXPECT_EQ(b.ColorButtonDown(), 0x0000F0u);
  EXPECT_EQ(b.ForeColor(), 0x80000012u);
  EXPECT_TRUE(b.DisplayHand());
  EXPECT_EQ(b.BorderBrightness(), -40);
  EXPECT_EQ(b.IconHighLiteColor(), 0xABCDEFu);
  EXPECT_EQ(b.CaptionHighLiteColor(), 0x010203u);
  EXPECT_TRUE(b.IconHighLite() && b.CaptionHighLite());
  EXPECT_FALSE(b.Enabled());
  EXPECT_EQ(b.Font(), (platform::FontSpec{"Nanum Gothic", 11.25, 700, true, true, false}));
}

}  // namespace
}  // namespace tarnwick::candy
