// Picture files the host decoder would take but the system's loaders refuse.
#include "platform/sim/sim_pictures.h"

#include <gtest/gtest.h>

#include <string>

#include "support/picture_files.h"

namespace tarnwick::sim {
namespace {

PictureLoad Decode(const std::string& bytes) { return DecodePictureBytes({bytes.begin(), bytes.end()}, "test"); }

TEST(SimPictures, AGifWhoseScreenHasNoWidthOrHeightIsRefused) {
  // A logical screen of 8962 x 0 pixels and an image block: the host decoder makes an empty picture of it.
  const std::string no_height("GIF89a\x02\x23\x00\x00\x80\x02\x03\x04\x05\x2c\x03\x04\x05\x2c\x3b", 21);
  const PictureLoad load = Decode(no_height);
  EXPECT_EQ(load.outcome, PictureOutcome::Undecodable);
  EXPECT_FALSE(load.picture);
  std::string no_width = no_height;
  no_width.replace(6, 4, std::string("\x00\x00\x02\x00", 4));
  EXPECT_EQ(Decode(no_width).outcome, PictureOutcome::Undecodable);
}

TEST(SimPictures, APictureAboveTheCallersPixelLimitIsRefusedAsTooLarge) {
  const std::string bmp = test::SolidBmp(3, 3, 0x102030);
  const std::vector<unsigned char> bytes(bmp.begin(), bmp.end());
  const PictureLoad refused = DecodePictureBytes(bytes, "big", 8);
  EXPECT_EQ(refused.outcome, PictureOutcome::TooLarge);
  EXPECT_EQ(refused.width, 3);
  EXPECT_FALSE(refused.picture);
  EXPECT_EQ(DecodePictureBytes(bytes, "fits", 9).outcome, PictureOutcome::Loaded);
  EXPECT_EQ(Decode(bmp).outcome, PictureOutcome::Loaded) << "the platform's limit by default";
}

TEST(SimPictures, APngWhoseChunkRunsPastTheEndIsCutOffWhateverItsLastBytes) {
  const std::string whole = test::AlphaPng(2, 2, {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0x80FFFFFF});
  ASSERT_EQ(Decode(whole).outcome, PictureOutcome::Loaded);
  const std::size_t idat = whole.find("IDAT");
  ASSERT_NE(idat, std::string::npos);
  // The data chunk announces a gigabyte, or the most a length can say; the file still ends in
  // its end chunk. Before, the host decoder first grew its buffer to 2 GiB.
  for (const std::string& length : {std::string("\x40\x00\x00\x00", 4), std::string("\xFF\xFF\xFF\xFF", 4)}) {
    std::string announcing = whole;
    announcing.replace(idat - 4, 4, length);
    const PictureLoad load = Decode(announcing);
    EXPECT_EQ(load.outcome, PictureOutcome::CutOff);
    EXPECT_FALSE(load.picture);
  }
  // An end chunk that is not reached by walking the chunks does not make the file whole.
  std::string no_end = whole;
  no_end.replace(no_end.rfind("IEND"), 4, "IEXD");
  no_end += "IEND";
  EXPECT_EQ(Decode(no_end).outcome, PictureOutcome::CutOff);
}

}  // namespace
}  // namespace tarnwick::sim
