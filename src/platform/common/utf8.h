#pragma once
// Small UTF-8 helpers for code that must count or cut text the way the system's wide-character
// (UTF-16) functions do.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// Decodes the character at `pos` and advances `pos` past it; on an invalid sequence returns
// nothing and advances by one byte.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t code_point);

// Each invalid sequence becomes one U+FFFD, as the system's decoder reads it: a byte that leads
// no sequence alone, a lead byte with the continuation bytes that could still make a character,
// and a sequence cut short by the end of the text with all that is left of it.
std::string SanitizeUtf8(std::string_view text);

// UTF-16 bytes (no byte-order mark) to UTF-8; unpaired surrogates and an odd last byte
// become U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool big_endian);

// The number of UTF-16 code units of valid UTF-8 text.
std::size_t Utf16Length(std::string_view utf8);

// The longest prefix of at most `units` UTF-16 code units. A character that needs two units
// and is cut after the first becomes U+FFFD, as a lone surrogate converts to the code page's
// default character.
std::string Utf16Prefix(std::string_view utf8, std::size_t units);

}  // namespace tarnwick::platform
