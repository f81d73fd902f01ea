// A candy button loaded from arbitrary property text and painted in every state: loading
// and drawing must cope with any value. Picture references are left out (they name files).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "candy_button/candy_button.h"
#include "candy_button/sim/raster_candy_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnwick;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const candy::PropertyBag read = candy::PropertyBag::FromText(text);
  candy::PropertyBag bag;
  for (const auto& [key, value] : read.Entries())
    if (key != "Picture") bag.Store(key, value);
  sim::RasterCandyHost host(48, 20);
  host.Log().enabled = false;
  candy::CandyButton button(host);
  button.ReadProperties(bag);
  button.ShapeWindow();
  for (int state = 0; state <= 4; ++state) button.Redraw(candy::ButtonState(state));
  candy::PropertyBag saved;
  button.WriteProperties(saved);
  return 0;
}
