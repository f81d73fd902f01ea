// Renders the candy button contact sheet (every style in every state, every scheme) with the
// simulated platform and writes it as a PNG.
//   candy_contact_sheet <output.png>
#include <cstdio>

#include "candy_button/candy_button.h"
#include "candy_button/sim/raster_candy_host.h"
#include "candy_sheet_layout.h"
#include "platform/sim/raster_font.h"
#include "platform/sim/raster_png.h"
#include "platform/sim/sim_pictures.h"

namespace {

using namespace tarnwick;

candy::ButtonPicture GemPicture() {
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB to the sim's 0xAABBGGRR
  for (std::uint32_t argb : candy_sheet::MakeGemIcon())
    pixels.push_back((argb & 0xFF00FF00u) | (argb >> 16 & 0xFF) | (argb & 0xFF) << 16);
  return {platform::Picture(std::make_shared<sim::SimPictureData>(16, 16, std::move(pixels), "gem")),
          platform::PictureKind::Icon, "gem"};
}

sim::RasterImage RenderCell(const candy_sheet::Cell& cell, const candy::ButtonPicture& gem) {
  sim::RasterCandyHost host(candy_sheet::kCellWidth, candy_sheet::kCellHeight);
  host.Raster().SetParentBackColour(candy_sheet::kSheetBackground);
  candy::CandyButton button(host);
  candy_sheet::ApplyCell(button, cell, gem);
  return host.Raster().Composite(candy_sheet::kSheetBackground);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: candy_contact_sheet <output.png>\n");
    return 2;
  }
  const candy_sheet::Sheet sheet = candy_sheet::MakeSheet();
  sim::RasterImage image(sheet.width, sheet.height, candy_sheet::kSheetBackground);
  const candy::ButtonPicture gem = GemPicture();
  for (const candy_sheet::Cell& cell : sheet.cells) image.Paste(RenderCell(cell, gem), cell.x, cell.y);
  for (const candy_sheet::Label& label : sheet.labels)
    sim::DrawRasterText(image, label.x, label.y, label.text, platform::FontSpec{}, 0x202020, false);
  if (!sim::WritePng(image, argv[1])) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
