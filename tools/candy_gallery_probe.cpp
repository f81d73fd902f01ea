// The colour a gallery button shows in a state, as the simulated platform paints it: the
// average over a 5 x 5 box, as the JSON document {"colour": [r, g, b]}. End-to-end checks
// compare the screen with it.
//   candy_gallery_probe <CandyGallery.txt> <button name> <state 0-4> <x> <y>
// Exit: 0 printed, 2 bad arguments or no such button.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "candy_button/candy_button.h"
#include "candy_button/sim/raster_candy_host.h"
#include "candy_gallery/gallery_description.h"
#include "candy_gallery/gallery_layout.h"

namespace {

using namespace tarnwick;

// The gallery's background (the system's button-face colour in the classic table).
constexpr platform::Colour kGalleryBackground = 0xF0F0F0;

void PrintBoxAverage(const sim::RasterImage& image, int cx, int cy) {
  int sums[3] = {0, 0, 0}, count = 0;
  for (int y = cy - 2; y <= cy + 2; ++y) {
    for (int x = cx - 2; x <= cx + 2; ++x) {
      if (x < 0 || y < 0 || x >= image.Width() || y >= image.Height()) continue;
      const platform::Colour c = image.At(x, y);
      sums[0] += int(c & 0xFF), sums[1] += int(c >> 8 & 0xFF), sums[2] += int(c >> 16 & 0xFF);
      ++count;
    }
  }
  if (count == 0) count = 1;
  std::printf("{\"colour\": [%d, %d, %d]}\n", sums[0] / count, sums[1] / count, sums[2] / count);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s <CandyGallery.txt> <button name> <state 0-4> <x> <y>\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  for (const gallery::ButtonDescription& description : gallery::ParseGalleryText(text.str()).buttons) {
    if (description.name != argv[2]) continue;
    sim::RasterCandyHost host(gallery::kCellWidth, gallery::kCellHeight, description.name);
    host.Raster().SetParentBackColour(kGalleryBackground);
    candy::CandyButton button(host);
    button.ReadProperties(description.properties);
    button.OnShow();
    button.Redraw(candy::ButtonState(std::atoi(argv[3])));
    PrintBoxAverage(host.Raster().Composite(kGalleryBackground), std::atoi(argv[4]), std::atoi(argv[5]));
    return 0;
  }
  std::fprintf(stderr, "no button named %s\n", argv[2]);
  return 2;
}
