// The gallery's default buttons, written as the text a person finds in CandyGallery.txt.
#include "candy_button/colour_math.h"
#include "candy_button/property_values.h"
#include "candy_gallery/gallery_description.h"

namespace tarnwick::gallery {
namespace {

constexpr char kHeader[] =
    "# The buttons of the candy gallery: one section per button, \"[Name]\" and then the\n"
    "# button's saved properties as \"Key = value\" lines. Edit this file and start the gallery\n"
    "# again to see the change; delete it to get these defaults back.\n"
    "# Keys: Enabled, Font (\"Name;points;weight\"), Caption (\"&\" marks the access key),\n"
    "# CaptionHighLite, CaptionHighLiteColor, IconHighLite, IconHighLiteColor, ForeColor,\n"
    "# Picture (a .ico or .bmp file beside the program), PictureAlignment (0 above, 1 below,\n"
    "# 2 left, 3 right), Style (0-7), Checked, ColorButtonHover, ColorButtonUp,\n"
    "# ColorButtonDown, ColorBright, BorderBrightness (-100..100), DisplayHand, ColorScheme.\n"
    "# Colours are 0x00BBGGRR. The first 24 sections are shown.\n\n";

struct Look {
  const char* name;
  const char* caption;
  std::int32_t style;
  std::int32_t scheme;  // 0: the colours below
  candy::Colour up = 0, hover = 0, down = 0, bright = 0;
};

candy::PropertyBag BagOf(const Look& look) {
  candy::PropertyBag bag;
  bag.Store("Caption", look.caption);
  bag.Store("Style", candy::FormatInt(look.style));
  const std::optional<candy::ColourScheme> scheme = candy::FindColourScheme(look.scheme);
  const candy::ColourScheme colours =
      scheme ? *scheme : candy::ColourScheme{look.up, look.hover, look.down, look.bright};
  bag.Store("ColorButtonUp", candy::FormatColour(colours.up));
  bag.Store("ColorButtonHover", candy::FormatColour(colours.hover));
  bag.Store("ColorButtonDown", candy::FormatColour(colours.down));
  bag.Store("ColorBright", candy::FormatColour(colours.bright));
  if (look.scheme != 0) bag.Store("ColorScheme", candy::FormatInt(look.scheme));
  return bag;
}

void Append(std::string& text, const char* name, const candy::PropertyBag& bag) {
  text += "[";
  text += name;
  text += "]\n" + bag.ToText() + "\n";
}

candy::PropertyBag WithPicture(candy::PropertyBag bag, std::int32_t alignment) {
  bag.Store("Picture", kGemPictureFile);
  bag.Store("PictureAlignment", candy::FormatInt(alignment));
  return bag;
}

}  // namespace

std::string DefaultGalleryText() {
  static const Look kStyles[] = {{"Style 0", "Style &0", 0, 0}, {"Style 1", "Style &1", 1, 0},
                                 {"Style 2", "Style &2", 2, 1}, {"Style 3", "Style &3", 3, 2},
                                 {"Style 4", "Style &4", 4, 3}, {"Style 5", "Style &5", 5, 4},
                                 {"Style 6", "Style &6", 6, 5}, {"Style 7", "Style &7", 7, 6}};
  std::string text = kHeader;
  for (const Look& look : kStyles) Append(text, look.name, BagOf(look));
  candy::PropertyBag hover = BagOf({"Hover me", "&Hover me", 2, 0, 0xA05010, 0x1090F0, 0x104080, 0x80E0FF});
  hover.Store("ForeColor", candy::FormatColour(0xFFFFFF));
  Append(text, "Hover me", hover);
  candy::PropertyBag checked = BagOf({"Checked", "Chec&ked", 4, 2});
  checked.Store("Checked", candy::FormatBool(true));
  Append(text, "Checked", checked);
  candy::PropertyBag disabled = BagOf({"Disabled", "&Disabled", 3, 1});
  disabled.Store("Enabled", candy::FormatBool(false));
  Append(text, "Disabled", disabled);
  candy::PropertyBag hand = BagOf({"Hand pointer", "Hand &pointer", 7, 3});
  hand.Store("DisplayHand", candy::FormatBool(true));
  Append(text, "Hand pointer", hand);
  Append(text, "Picture above", WithPicture(BagOf({"", "Above", 5, 5}), 0));
  Append(text, "Picture below", WithPicture(BagOf({"", "Below", 5, 6}), 1));
  candy::PropertyBag left = WithPicture(BagOf({"", "Left", 2, 4}), 2);
  left.Store("IconHighLite", candy::FormatBool(true));
  Append(text, "Picture left", left);
  candy::PropertyBag right = WithPicture(BagOf({"", "Right", 6, 2}), 3);
  right.Store("CaptionHighLite", candy::FormatBool(true));
  Append(text, "Picture right", right);
  return text;
}

}  // namespace tarnwick::gallery
