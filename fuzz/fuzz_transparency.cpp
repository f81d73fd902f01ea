// The transparency value on arbitrary text. Checked: only decimal-number characters and blanks
// are accepted; blanks around the text change nothing; and a plain whole number gives itself
// when it fits in 16 bits and nothing otherwise.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "main_window/transparency_value.h"

namespace {

using tarnwick::main_window::ParseTransparency;

bool IsWholeNumber(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  return !text.empty() && text.size() <= 12 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto value = ParseTransparency(text);
  if (value && text.find_first_not_of(" \t+-.eE0123456789") != std::string::npos) std::abort();
  if (ParseTransparency(" \t" + text + "\t ") != value) std::abort();
  const std::size_t first = text.find_first_not_of(" \t");
  const std::size_t last = text.find_last_not_of(" \t");
  const std::string_view number = first == std::string::npos
                                      ? std::string_view()
                                      : std::string_view(text).substr(first, last - first + 1);
  if (IsWholeNumber(number)) {
    long long whole = 0;
    const std::string_view digits = number.front() == '+' ? number.substr(1) : number;
    std::from_chars(digits.data(), digits.data() + digits.size(), whole);
    const bool fits = whole >= -32768 && whole <= 32767;
    if (fits != value.has_value() || (fits && *value != whole)) std::abort();
  }
  return 0;
}
