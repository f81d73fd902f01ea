#pragma once
// The characters that the system's code page 949 maps to bytes although iconv's CP949 has no
// mapping for them: mostly "best fit" stand-ins (for example U+00E9 'é' becomes 'e', U+00A9 '©'
// becomes the Korean copyright sign). The user-defined rows and bytes 0x80 and 0xFF are
// computed in cp949_code_page.cpp and are not listed here.
#include <optional>
#include <string_view>

namespace tarnwick::sim {

// The system's bytes for `code_point`, or nothing when it has none either.
std::optional<std::string_view> Cp949BestFit(char32_t code_point);

}  // namespace tarnwick::sim
