#pragma once
// The gallery's description of its buttons: a text file beside the program with one section
// per button, "[Name]" followed by the button's saved properties in the property bag's text
// form. The name is the button's instance name, which the status line shows.
//
// The file is written with the default buttons when it is missing and read on each start.
// Reading never fails: text outside a section is skipped, a file without sections describes
// no buttons, buttons after the first kMaxButtons are left out, and a file larger than
// kMaxFileBytes is not read at all; each case leaves a message for the status line.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "candy_button/property_bag.h"

namespace tarnwick::gallery {

inline constexpr std::size_t kMaxButtons = 24;
inline constexpr std::uintmax_t kMaxFileBytes = 1 << 20;
inline constexpr char kDescriptionFile[] = "CandyGallery.txt";
inline constexpr char kGemPictureFile[] = "gem.ico";

struct ButtonDescription {
  std::string name;
  candy::PropertyBag properties;
};

struct GalleryDescription {
  std::vector<ButtonDescription> buttons;
  std::string message;  // for the status line; empty when all went well
};

GalleryDescription ParseGalleryText(std::string_view text);
// The default buttons: all eight styles, several schemes, a Checked one, a disabled one, a
// hand-pointer one and the gem picture in each alignment.
std::string DefaultGalleryText();
// Reads `folder`/CandyGallery.txt, writing it (and the gem picture) first when missing.
GalleryDescription LoadGalleryDescription(const std::filesystem::path& folder);

}  // namespace tarnwick::gallery
