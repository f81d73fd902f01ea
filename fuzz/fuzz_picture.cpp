// Picture decoding of the simulated platform and the skin tool on arbitrary file bytes, and
// the stretched drawing of what was decoded. Checked: a loaded picture has the size its header
// announced, within the pixel limit, and as many pixels as that size; a refused one carries no
// picture. The drawing goes to a small image, partly off its edges, so clipping is exercised.
// The pixel limit is that of the largest icon instead of the platform's: a header of a few
// bytes can announce a picture of 64 million pixels, whose decoding took most of the time
// while it runs the same code as a small one; the refusal of larger ones is still reached.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sim/raster_stretch.h"
#include "platform/sim/sim_pictures.h"

namespace {

constexpr long long kLargestDecoded = 256 * 256;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnwick;
  const std::vector<unsigned char> bytes(data, data + size);
  const sim::PictureLoad load = sim::DecodePictureBytes(bytes, "fuzz", kLargestDecoded);
  if (load.outcome != sim::PictureOutcome::Loaded) {
    if (load.picture) std::abort();
    return 0;
  }
  if (!load.picture) std::abort();
  const auto* picture = dynamic_cast<const sim::SimPictureData*>(load.picture->Data());
  const long long pixels = static_cast<long long>(load.width) * load.height;
  if (picture == nullptr || load.width <= 0 || load.height <= 0 || pixels > kLargestDecoded ||
      picture->WidthPixels() != load.width || picture->HeightPixels() != load.height ||
      static_cast<long long>(picture->Pixels().size()) != pixels)
    std::abort();
  sim::RasterImage image(24, 16);
  const int shift = static_cast<int>(size % 7) - 3;
  sim::DrawStretchedPicture(image, *picture, {shift, -shift, 20 + shift * 3, 12 + shift});
  return 0;
}
