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

}  // namespace
}  // namespace tarnwick::sim
