// The gallery's description file on arbitrary text: reading never fails, keeps at most the
// button limit, and each button's properties come back unchanged through the text form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "candy_gallery/gallery_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnwick;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const gallery::GalleryDescription description = gallery::ParseGalleryText(text);
  if (description.buttons.size() > gallery::kMaxButtons) std::abort();
  for (const gallery::ButtonDescription& button : description.buttons) {
    std::size_t skipped = 0;
    const candy::PropertyBag again = candy::PropertyBag::FromText(button.properties.ToText(), &skipped);
    if (skipped != 0 || again.Entries() != button.properties.Entries()) std::abort();
  }
  return 0;
}
