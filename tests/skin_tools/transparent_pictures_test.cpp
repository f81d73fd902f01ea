// Pictures with transparent parts in the preview: the window's background picture and colour show
// through them, as they do in the launcher's windows.
#include <gtest/gtest.h>

#include "platform/sim/sim_pictures.h"
#include "skin_folder.h"
#include "skin_tools/skin_preview.h"

namespace tarnwick::skin_test {
namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00C000;

TEST(TransparentPictures, DecodeWithTheirTransparentPartsClear) {
  const auto pixels = test::LeftHalfOpaque(4, 2, kRed);
  for (const std::string& bytes : {test::AlphaPng(4, 2, pixels), test::TransparentGif(4, 2, pixels),
                                   test::BitmapIcon(4, 2, pixels, 32), test::BitmapIcon(4, 2, pixels, 24),
                                   test::BitmapIcon(4, 2, pixels, 8), test::BitmapIcon(4, 2, pixels, 4),
                                   test::BitmapIcon(4, 2, pixels, 1)}) {
    const sim::PictureLoad load = sim::DecodePictureBytes(std::vector<unsigned char>(bytes.begin(), bytes.end()), "t");
    ASSERT_TRUE(load.picture) << static_cast<int>(load.outcome);
    const auto& pixels = dynamic_cast<const sim::SimPictureData*>(load.picture->Data())->Pixels();
    EXPECT_EQ(pixels[0], 0xFF0000FFu) << "opaque red, 0xAABBGGRR";
    EXPECT_EQ(pixels[7] >> 24, 0u) << "transparent";
  }
}

TEST(TransparentPictures, ACutOffIconIsUndecodable) {
  const std::string icon = test::BitmapIcon(4, 2, test::LeftHalfOpaque(4, 2, kRed), 32);
  for (const std::size_t keep : {std::size_t(4), std::size_t(20), icon.size() - 1}) {
    const std::vector<unsigned char> bytes(icon.begin(), icon.begin() + static_cast<std::ptrdiff_t>(keep));
    const sim::PictureLoad load = sim::DecodePictureBytes(bytes, "cut");
    EXPECT_FALSE(load.picture) << keep << " bytes";
  }
}

// The bar with a green background picture; button 1 (73 x 57 at 8, 40) is a PNG, button 2 (at
// 8, 104) a GIF and button 3 (at 8, 168) an icon, each with an opaque left half and a transparent
// right half; button 4 is the PNG again, where no background picture lies under it.
TEST(TransparentPictures, ShowTheBarsBackgroundPictureAndColourThroughInThePreview) {
  SkinFolder folder;
  folder.WriteConfig("[BG1]\r\nimage=bg.bmp\r\n[001]\r\nimage=a.png\r\n[002]\r\nimage=b.gif\r\n[003]\r\nimage=c.ico\r\n"
                     "[004]\r\nimage=a.png\r\n");
  folder.WriteFile("image/bg.bmp", test::SolidBmp(89, 230, kGreen));
  folder.WriteFile("image/c.ico", test::BitmapIcon(48, 48, test::LeftHalfOpaque(48, 48, kRed), 32));
  folder.WriteFile("image/a.png", test::AlphaPng(73, 57, test::LeftHalfOpaque(73, 57, kRed)));
  folder.WriteFile("image/b.gif", test::TransparentGif(73, 57, test::LeftHalfOpaque(73, 57, kBlue)));
  static sim::Cp949CodePage code_page;
  const auto preview = skin_tools::RenderPreview(folder.Path(), code_page, {});
  ASSERT_TRUE(preview.image) << preview.problem;
  const int left = 1280 - 89 + 8;
  const auto at = [&](int x, int y) { return preview.image->At(left + x, y); };
  EXPECT_EQ(at(10, 40 + 28), platform::MakeColour(255, 0, 0)) << "the PNG's opaque half";
  EXPECT_EQ(at(60, 40 + 28), platform::MakeColour(0, 192, 0)) << "the background picture through the PNG";
  EXPECT_EQ(at(10, 104 + 28), platform::MakeColour(0, 0, 255)) << "the GIF's opaque half";
  EXPECT_EQ(at(60, 104 + 28), platform::MakeColour(0, 192, 0)) << "the background picture through the GIF";
  EXPECT_EQ(at(10, 168 + 28), platform::MakeColour(255, 0, 0)) << "the icon's opaque half, stretched";
  EXPECT_EQ(at(60, 168 + 28), platform::MakeColour(0, 192, 0)) << "the background picture through the icon";
  EXPECT_EQ(at(60, 232 + 28), 0x404040u) << "the window's colour below the background picture";
}

}  // namespace
}  // namespace tarnwick::skin_test
