// The gallery's button descriptions: sections, the default buttons, the file beside the
// program and bad files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "candy_button/candy_button.h"
#include "candy_button/colour_math.h"
#include "candy_button/sim/raster_candy_host.h"
#include "candy_gallery/gallery_description.h"

namespace tarnwick::gallery {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() : path_(fs::temp_directory_path() / ("candy_gallery_" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& Path() const { return path_; }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  fs::path path_;
};

std::vector<std::string> NamesOf(const GalleryDescription& description) {
  std::vector<std::string> names;
  for (const ButtonDescription& button : description.buttons) names.push_back(button.name);
  return names;
}

TEST(GalleryDescription, SectionsNameButtonsAndHoldTheirProperties) {
  const GalleryDescription d = ParseGalleryText(
      "# text before the first section is skipped\nStyle = 5\n"
      "[ Blue one ]\r\nStyle = 3\nCaption = \"Go\"\nnot a property line\n"
      "[]\nChecked = True\n[Last]");
  EXPECT_EQ(NamesOf(d), (std::vector<std::string>{"Blue one", "Button 2", "Last"}));
  EXPECT_EQ(d.buttons[0].properties.Find("Style"), "3");
  EXPECT_EQ(d.buttons[0].properties.Find("Caption"), "Go");
  EXPECT_EQ(d.buttons[1].properties.Find("Checked"), "True");
  EXPECT_TRUE(d.buttons[2].properties.Entries().empty());
  EXPECT_TRUE(d.message.empty());
}

TEST(GalleryDescription, EmptyAndGarbageTextDescribeNoButtons) {
  std::string garbage;
  std::mt19937 random(7);
  for (int i = 0; i < 5000; ++i) garbage.push_back(char(random() % 256));
  for (const std::string& text : {std::string(), garbage, std::string("[unclosed\nx = 1\n")}) {
    const GalleryDescription d = ParseGalleryText(text);
    EXPECT_TRUE(d.buttons.empty());
    EXPECT_EQ(d.message, "CandyGallery.txt describes no buttons");
  }
}

TEST(GalleryDescription, OnlyTheFirstTwentyFourButtonsAreKept) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "[B" + std::to_string(i) + "]\n";
  const GalleryDescription d = ParseGalleryText(text);
  EXPECT_EQ(d.buttons.size(), kMaxButtons);
  EXPECT_EQ(d.buttons.back().name, "B23");
  EXPECT_EQ(d.message, "Only the first 24 buttons are shown");
}

TEST(GalleryDescription, TheDefaultsCoverEveryStyleAndTheSpecialButtons) {
  const GalleryDescription d = ParseGalleryText(DefaultGalleryText());
  ASSERT_EQ(d.buttons.size(), 16u);
  std::set<std::string> styles, alignments;
  for (const ButtonDescription& b : d.buttons) {
    styles.insert(b.properties.Find("Style").value_or("?"));
    if (b.properties.Find("Picture")) alignments.insert(*b.properties.Find("PictureAlignment"));
  }
  EXPECT_EQ(styles, (std::set<std::string>{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(alignments, (std::set<std::string>{"0", "1", "2", "3"}));

  // Loaded into buttons, the special ones are what their names say.
  auto load = [&](const std::string& name, auto check) {
    for (const ButtonDescription& b : d.buttons) {
      if (b.name != name) continue;
      sim::RasterCandyHost host(150, 48, name);
      candy::CandyButton button(host);
      button.ReadProperties(b.properties);
      check(button, host);
      return;
    }
    ADD_FAILURE() << name << " is missing";
  };
  load("Checked", [](candy::CandyButton& b, sim::RasterCandyHost&) { EXPECT_TRUE(b.Checked()); });
  load("Disabled", [](candy::CandyButton& b, sim::RasterCandyHost&) { EXPECT_FALSE(b.Enabled()); });
  load("Hand pointer", [](candy::CandyButton&, sim::RasterCandyHost& host) {
    EXPECT_EQ(host.Raster().MousePointer(), platform::kPointerCustomHand);
  });
  load("Style 3", [](candy::CandyButton& b, sim::RasterCandyHost&) {
    EXPECT_EQ(b.ColorScheme(), 2);
    EXPECT_EQ(b.ColorButtonUp(), candy::FindColourScheme(2)->up);  // the colours are written out
  });
  load("Hover me", [](candy::CandyButton& b, sim::RasterCandyHost&) {
    EXPECT_EQ(b.ColorButtonHover(), 0x1090F0u);
    EXPECT_TRUE(b.Enabled());
  });
}

TEST(GalleryDescription, AMissingFileIsWrittenWithTheDefaultsAndTheGem) {
  TempFolder folder;
  const GalleryDescription first = LoadGalleryDescription(folder.Path());
  EXPECT_EQ(first.buttons.size(), 16u);
  EXPECT_TRUE(first.message.empty());
  EXPECT_TRUE(fs::exists(folder.Path() / kGemPictureFile));
  std::ifstream written(folder.Path() / kDescriptionFile, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), DefaultGalleryText());

  folder.Write(kDescriptionFile, "[Mine]\nStyle = 6\n");  // a person's edit is read next time
  const GalleryDescription second = LoadGalleryDescription(folder.Path());
  ASSERT_EQ(second.buttons.size(), 1u);
  EXPECT_EQ(second.buttons[0].properties.Find("Style"), "6");
}

TEST(GalleryDescription, AnEmptyOrHugeFileIsReadAsNoButtonsAndKept) {
  TempFolder folder;
  folder.Write(kDescriptionFile, "");
  EXPECT_EQ(LoadGalleryDescription(folder.Path()).message, "CandyGallery.txt describes no buttons");
  EXPECT_EQ(fs::file_size(folder.Path() / kDescriptionFile), 0u);  // not overwritten

  std::string huge = "[Big]\n";
  huge.resize(10 << 20, 'x');
  folder.Write(kDescriptionFile, huge);
  const GalleryDescription d = LoadGalleryDescription(folder.Path());
  EXPECT_TRUE(d.buttons.empty());
  EXPECT_EQ(d.message, "CandyGallery.txt is larger than 1 MB and was not read");
}

TEST(GalleryDescription, AMissingPictureLeavesTheButtonWithoutOne) {
  const GalleryDescription d =
      ParseGalleryText("[P]\nPicture = \"no such picture.bmp\"\nCaption = Pic\n");
  sim::RasterCandyHost host(150, 48);
  candy::CandyButton button(host);
  button.ReadProperties(d.buttons.at(0).properties);
  EXPECT_FALSE(button.Picture());
  EXPECT_EQ(button.Caption(), "Pic");
  button.Redraw(candy::ButtonState::Hover);
}

}  // namespace
}  // namespace tarnwick::gallery
