#include "candy_button/property_bag.h"

#include <gtest/gtest.h>

#include "candy_button/property_values.h"

namespace tarnwick::candy {
namespace {

TEST(PropertyBag, StoreLeavesOutDefaultsAndKeepsWriteOrder) {
  PropertyBag bag;
  bag.Store("Enabled", "True", std::string("True"));
  bag.Store("Style", "3", std::string("0"));
  bag.Store("Caption", "Go");
  bag.Store("Style", "0", std::string("0"));  // back to its default: the key goes away
  EXPECT_FALSE(bag.Find("Enabled"));
  EXPECT_FALSE(bag.Find("Style"));
  ASSERT_EQ(bag.Entries().size(), 1u);
  EXPECT_EQ(bag.ToText(), "Caption = Go\n");
}

TEST(PropertyBag, TextRoundTripsAwkwardValues) {
  PropertyBag bag;
  const std::string awkward[] = {"", " padded ", "\"quoted\"", "back\\slash", "line\nbreak\r\n",
                                 std::string("nul\0byte", 8), "tab\there", "한글 & more", "#hash"};
  for (std::size_t i = 0; i < std::size(awkward); ++i) bag.Store("K" + std::to_string(i), awkward[i]);
  std::size_t skipped = 99;
  const PropertyBag read = PropertyBag::FromText(bag.ToText(), &skipped);
  EXPECT_EQ(skipped, 0u);
  EXPECT_EQ(read.Entries(), bag.Entries());
}

TEST(PropertyBag, ReaderSkipsBrokenLinesAndKeepsTheLastOfRepeatedKeys) {
  std::size_t skipped = 0;
  const PropertyBag bag = PropertyBag::FromText(
      "# saved by hand\r\n"
      "  Style = 4  \r\n"
      "\n"
      "no equals sign\n"
      "= no key\n"
      "Caption = \"unterminated\n"
      "Caption = \"bad \\q escape\"\n"
      "Caption = \"trailing\" junk\n"
      "Caption = \"ok \\x41\\\"\"\n"
      "Style = 5",
      &skipped);
  EXPECT_EQ(skipped, 5u);
  EXPECT_EQ(bag.Find("Style"), "5");
  EXPECT_EQ(bag.Find("Caption"), "ok A\"");
}

TEST(PropertyValues, IntegersAcceptDecimalAndHexAndRejectTheRest) {
  EXPECT_EQ(ParseInt("15309136"), 15309136);
  EXPECT_EQ(ParseInt("-100"), -100);
  EXPECT_EQ(ParseInt("+7"), 7);
  EXPECT_EQ(ParseInt("0x00E99950"), 0xE99950);
  EXPECT_EQ(ParseInt("&HFF00&"), 0xFF00);
  EXPECT_EQ(ParseInt("0xFFFFFFFF"), -1);
  for (const char* bad : {"", "abc", "12abc", "2147483648", "0x123456789", "0x", "1.5", "- 3"})
    EXPECT_FALSE(ParseInt(bad)) << bad;
  EXPECT_EQ(FormatColour(0x80000005), "0x80000005");
}

TEST(PropertyValues, BooleansIgnoreCaseAndRejectOtherWords) {
  EXPECT_EQ(ParseBool("TRUE"), true);
  EXPECT_EQ(ParseBool("false"), false);
  EXPECT_FALSE(ParseBool("yes"));
  EXPECT_FALSE(ParseBool("1"));
}

TEST(PropertyValues, FontsRoundTripAndRejectNonsense) {
  const platform::FontSpec font{"Nanum Gothic;Bold", 10.5, 700, true, false, true};
  EXPECT_EQ(FormatFont(font), "Nanum Gothic;Bold;10.5;700;italic;strikeout");
  EXPECT_EQ(ParseFont(FormatFont(font)), font);
  EXPECT_EQ(ParseFont("Tahoma;9;400"), platform::FontSpec{});
  for (const char* bad : {"Tahoma", "Tahoma;9", ";9;400", "Tahoma;nine;400", "Tahoma;9;heavy",
                          "Tahoma;0;400", "Tahoma;nan;400", "Tahoma;9;5000", "Tahoma;1e308;400"})
    EXPECT_FALSE(ParseFont(bad)) << bad;
}

TEST(PropertyValues, ReadersFallBackOnMissingKeysAndWrongTypes) {
  const PropertyBag bag = PropertyBag::FromText("Flag = maybe\nNumber = many\nFont = x\n");
  EXPECT_TRUE(ReadBool(bag, "Flag", true));
  EXPECT_EQ(ReadInt(bag, "Number", 42), 42);
  EXPECT_EQ(ReadInt(bag, "Missing", -3), -3);
  EXPECT_EQ(ReadFont(bag, "Font", platform::FontSpec{"Arial", 12, 400}).name, "Arial");
  EXPECT_EQ(ReadString(bag, "Number", "x"), "many");
}

}  // namespace
}  // namespace tarnwick::candy
