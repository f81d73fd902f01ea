#include "platform/common/utf8.h"

namespace tarnwick::platform {
namespace {

std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsValidCodePoint(char32_t code_point, std::size_t length) {
  static constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  return code_point >= kSmallestOfLength[length] && code_point <= 0x10FFFF && !surrogate;
}

char16_t ReadUnit(std::string_view bytes, std::size_t index, bool big_endian) {
  const auto first = static_cast<unsigned char>(bytes[index]);
  const auto second = static_cast<unsigned char>(bytes[index + 1]);
  return static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first);
}

// The bytes the system's decoder reads as one U+FFFD at an invalid sequence: a byte that leads
// no sequence alone; a lead byte with the continuation bytes that may still make a character
// (taken one by one, stopping at a too-long form, a surrogate or a value past U+10FFFF); a
// sequence that the end of the text cuts short, all that is left.
std::size_t InvalidSequenceLength(std::string_view text, std::size_t pos) {
  const std::size_t length = SequenceLength(static_cast<unsigned char>(text[pos]));
  if (length <= 1) return 1;
  if (pos + length > text.size()) return text.size() - pos;
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t value = static_cast<unsigned char>(text[pos]) & kLeadMask[length];
  std::size_t taken = 1;
  for (std::size_t left = length - 1; left > 0; --left) {
    const auto next = static_cast<unsigned char>(text[pos + taken]);
    if ((next & 0xC0) != 0x80) break;
    value = (value << 6) | (next & 0x3F);
    if (left == 2 && value >= (0x110000 >> 6)) break;
    ++taken;
    const bool too_long = (left == 3 && value < 0x10) || (left == 2 && value < 0x20);
    const bool surrogate = left == 2 && value >= (0xD800 >> 6) && value <= (0xDFFF >> 6);
    if (too_long || surrogate) break;
  }
  return taken;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return std::nullopt;
  }
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t code_point = lead & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return std::nullopt;
    }
    code_point = (code_point << 6) | (next & 0x3F);
  }
  if (!IsValidCodePoint(code_point, length)) {
    ++pos;
    return std::nullopt;
  }
  pos += length;
  return code_point;
}

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else if (code_point < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code_point >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
}

std::string SanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    if (DecodeUtf8(text, pos)) {
      out.append(text.substr(start, pos - start));
    } else {
      out.append(kReplacementCharacter);
      pos = start + InvalidSequenceLength(text, start);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool big_endian) {
  std::string out;
  std::size_t index = 0;
  for (; index + 1 < bytes.size(); index += 2) {
    const char16_t unit = ReadUnit(bytes, index, big_endian);
    const bool paired = IsHighSurrogate(unit) && index + 3 < bytes.size() &&
                        IsLowSurrogate(ReadUnit(bytes, index + 2, big_endian));
    if (paired) {
      const char16_t low = ReadUnit(bytes, index + 2, big_endian);
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      index += 2;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.append(kReplacementCharacter);
    } else {
      AppendUtf8(out, unit);
    }
  }
  if (index < bytes.size()) out.append(kReplacementCharacter);
  return out;
}

std::size_t Utf16Length(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto code_point = DecodeUtf8(utf8, pos);
    units += code_point && *code_point >= 0x10000 ? 2 : 1;
  }
  return units;
}

std::string Utf16Prefix(std::string_view utf8, std::size_t units) {
  std::size_t pos = 0;
  while (pos < utf8.size() && units > 0) {
    std::size_t next = pos;
    const auto code_point = DecodeUtf8(utf8, next);
    const std::size_t needed = code_point && *code_point >= 0x10000 ? 2 : 1;
    if (needed > units) return std::string(utf8.substr(0, pos)).append(kReplacementCharacter);
    units -= needed;
    pos = next;
  }
  return std::string(utf8.substr(0, pos));
}

}  // namespace tarnwick::platform
