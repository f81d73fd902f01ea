#include "platform/common/profile_string.h"

#include <algorithm>
#include <cstring>

#include "platform/common/profile_reader.h"
#include "platform/common/utf8.h"

namespace tarnwick::platform {
namespace {

// The system passes names on as counted wide strings of at most 65535 bytes, terminator
// included; a longer section or key name is never found.
constexpr std::size_t kLongestName = 32766;

std::string UpToNul(std::string_view bytes) { return std::string(bytes.substr(0, bytes.find('\0'))); }

// A name or default text as the system reads it: up to its first NUL, converted together with
// that NUL, so a lead byte at the end takes the NUL as its trail byte and both are lost. Such
// a lead byte is found by what a letter after it becomes: part of a character with it, not
// a letter of its own.
std::string ArgumentText(std::string_view bytes, const AnsiCodePage& code_page) {
  std::string ansi = UpToNul(bytes);
  if (!ansi.empty() && !code_page.ToUtf8(ansi + 'A').ends_with('A')) ansi.pop_back();
  return code_page.ToUtf8(ansi);
}

// Trailing spaces go, but the system keeps the first character even when it is one.
std::string TrimDefaultText(std::string text) {
  const std::size_t last = text.find_last_not_of(' ');
  text.resize(last == std::string::npos ? std::min<std::size_t>(text.size(), 1) : last + 1);
  return text;
}

bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
         value.back() == value.front();
}

// The value as the system copies it into a wide buffer of `size` units. When the quoted text
// only just fills the buffer, the system drops its last character instead of the closing
// quote, which did not fit; this is reproduced.
std::string CopyToWideBuffer(std::string_view value, std::size_t size) {
  const std::size_t capacity = size - 1;
  if (!IsQuoted(value)) return Utf16Prefix(value, capacity);
  const std::string_view after_open_quote = value.substr(1);
  const std::size_t units = Utf16Length(after_open_quote);
  std::size_t kept = std::min(capacity, units);
  if (size >= units && kept > 0) --kept;  // the closing quote, or the last character when it was cut
  return Utf16Prefix(after_open_quote, kept);
}

// Converts to the code page, keeping the whole characters that fit in `capacity` bytes.
std::string ToAnsiWithin(const std::string& utf8, std::size_t capacity, const AnsiCodePage& code_page) {
  std::string ansi = code_page.FromUtf8(utf8);
  if (ansi.size() <= capacity) return ansi;
  ansi.clear();
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    DecodeUtf8(utf8, pos);
    const std::string character = code_page.FromUtf8(utf8.substr(start, pos - start));
    if (ansi.size() + character.size() > capacity) break;
    ansi += character;
  }
  return ansi;
}

}  // namespace

std::size_t CopyProfileString(const std::optional<std::string>& file_text, std::string_view section,
                              std::string_view key, std::string_view default_text, char* buffer,
                              std::size_t size, const AnsiCodePage& code_page) {
  if (size == 0) return 0;
  const std::string section_text = ArgumentText(section, code_page);
  const std::string key_text = ArgumentText(key, code_page);
  const bool names_fit = Utf16Length(section_text) <= kLongestName && Utf16Length(key_text) <= kLongestName;
  std::optional<std::string> value;
  if (file_text && names_fit) value = FindProfileValue(*file_text, section_text, key_text);
  if (!value) value = TrimDefaultText(ArgumentText(default_text, code_page));
  const std::string stored = ToAnsiWithin(CopyToWideBuffer(*value, size), size - 1, code_page);
  std::memcpy(buffer, stored.data(), stored.size());
  buffer[stored.size()] = '\0';
  return stored.size();
}

}  // namespace tarnwick::platform
