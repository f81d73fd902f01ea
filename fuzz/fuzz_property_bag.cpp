// The property bag's text reader on arbitrary bytes: it must not crash, and what it read must
// come back unchanged through the text writer and reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "candy_button/property_bag.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tarnwick::candy::PropertyBag bag = tarnwick::candy::PropertyBag::FromText(text);
  std::size_t skipped = 0;
  const tarnwick::candy::PropertyBag again =
      tarnwick::candy::PropertyBag::FromText(bag.ToText(), &skipped);
  if (skipped != 0 || again.Entries() != bag.Entries()) std::abort();
  return 0;
}
