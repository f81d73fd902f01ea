// The portable INI reader on random files and random lookups. The input is a few lookup
// choices, a separator, then the file's bytes. Names are taken from the file's own lines
// (changed in letter case and blanks) or from the input, so lookups find values often.
// Checked for every lookup:
// - the buffer is exactly as large as the lookup says (AddressSanitizer sees any byte past it);
// - the returned length is that of the text stored, which ends with its zero;
// - the answer is the start of a value that stands in the file, or of the default text;
// - asking again gives the same answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/common/profile_reader.h"
#include "platform/common/profile_string.h"
#include "platform/common/profile_text.h"
#include "platform/common/utf8.h"
#include "platform/sim/cp949_code_page.h"
#include "support/fuzz_input.h"

namespace {

using namespace tarnwick;

// Longer section or key names are never found.
constexpr std::size_t kLongestName = 32766;

struct Answer {
  std::size_t count;
  std::string bytes;
};

// A name of the file, in the code page, possibly with other letter case and blanks around.
std::string NameFrom(std::string_view name, std::uint8_t how, const platform::AnsiCodePage& code_page) {
  std::string ansi = code_page.FromUtf8(std::string(name));
  if (how & 1)
    for (char& c : ansi) c = (c >= 'a' && c <= 'z') ? char(c - 32) : (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
  if (how & 2) ansi = " \t" + ansi + " ";
  return ansi;
}

Answer Ask(const std::optional<std::string>& text, const std::string& section, const std::string& key,
           const std::string& default_text, std::size_t size) {
  // Exactly `size` bytes on the heap; nothing for size 0, so any write is out of bounds.
  const std::unique_ptr<char[]> buffer(size ? new char[size] : nullptr);
  if (size) std::memset(buffer.get(), '~', size);
  const std::size_t count = platform::CopyProfileString(text, section, key, default_text, buffer.get(), size,
                                                        sim::SharedCp949CodePage());
  if (size == 0) {
    if (count != 0) std::abort();
    return {0, {}};
  }
  if (count >= size || buffer[count] != '\0' || std::memchr(buffer.get(), '\0', count)) std::abort();
  return {count, std::string(buffer.get(), count)};
}

// Whether `answer` is the start of `value` in the code page, quotes taken off or not. A
// character cut in half by the buffer ends as one '?'.
bool StartsOf(const std::string& answer, const std::string& value, const platform::AnsiCodePage& code_page) {
  const std::string with_quotes = code_page.FromUtf8(value);
  const std::string inside = value.size() >= 2 ? code_page.FromUtf8(value.substr(1, value.size() - 2)) : "";
  const auto starts = [&](const std::string& whole) {
    if (whole.starts_with(answer)) return true;
    return !answer.empty() && answer.back() == '?' && whole.starts_with(answer.substr(0, answer.size() - 1));
  };
  return starts(with_quotes) || starts(inside);
}

// An argument as the reader may take it: up to its first NUL, with or without its last byte
// (a lead byte there is lost with the NUL).
std::vector<std::string> Readings(const std::string& argument) {
  const std::string text = argument.substr(0, argument.find('\0'));
  const platform::AnsiCodePage& code_page = sim::SharedCp949CodePage();
  std::vector<std::string> readings{code_page.ToUtf8(text)};
  // Only a byte outside ASCII can be a lead byte.
  if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0x80) readings.push_back(code_page.ToUtf8(text.substr(0, text.size() - 1)));
  return readings;
}

void CheckLookup(const std::optional<std::string>& text, const std::string& section, const std::string& key,
                 const std::string& default_text, std::size_t size) {
  const Answer first = Ask(text, section, key, default_text, size);
  const Answer again = Ask(text, section, key, default_text, size);
  if (first.count != again.count || first.bytes != again.bytes) std::abort();
  if (size == 0) return;
  // What the answer may be the start of: the value found under some reading of the names
  // (when they fit), or the default text.
  std::vector<std::string> sources = Readings(default_text);
  for (const std::string& section_text : Readings(section)) {
    for (const std::string& key_text : Readings(key)) {
      const bool fit = platform::Utf16Length(section_text) <= kLongestName &&
                       platform::Utf16Length(key_text) <= kLongestName;
      const auto found = text && fit ? platform::FindProfileValue(*text, section_text, key_text) : std::nullopt;
      if (!found) continue;
      if (text->find(*found) == std::string::npos) std::abort();  // a value is text of the file
      sources.push_back(*found);
    }
  }
  const platform::AnsiCodePage& code_page = sim::SharedCp949CodePage();
  for (const std::string& source : sources)
    if (StartsOf(first.bytes, source, code_page)) return;
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  const std::string choices(input.Until("\n--\n"));
  // The file's bytes in a buffer of their own size.
  const std::string_view file = input.Rest();
  const std::unique_ptr<char[]> bytes(new char[file.size() + 1]);
  std::memcpy(bytes.get(), file.data(), file.size());
  const platform::AnsiCodePage& code_page = sim::SharedCp949CodePage();
  const std::optional<std::string> text =
      choices.size() % 7 == 6 ? std::nullopt
                              : std::optional(platform::DecodeProfileText({bytes.get(), file.size()}, code_page));
  std::vector<platform::ProfileLine> lines;
  if (text) {
    platform::ProfileLines walk(*text);
    for (platform::ProfileLine line; lines.size() < 64 && walk.Next(line);) lines.push_back(line);
  }
  fuzz::FuzzInput pick(reinterpret_cast<const std::uint8_t*>(choices.data()), choices.size());
  for (int lookup = 0; lookup < 8 && !pick.Empty(); ++lookup) {
    const std::uint8_t how = pick.Byte();
    std::string section, key;
    if (!lines.empty() && (how & 4) == 0) {
      const platform::ProfileLine& line = lines[pick.Byte() % lines.size()];
      (line.is_section ? section : key) = NameFrom(line.name, how, code_page);
      const platform::ProfileLine& other = lines[pick.Byte() % lines.size()];
      (line.is_section ? key : section) = NameFrom(other.name, how >> 4, code_page);
    } else {
      section = std::string(pick.Until("|"));
      key = std::string(pick.Until("|"));
    }
    const std::string default_text = how & 8 ? std::string(pick.Until("|")) : "DEF";
    const std::uint8_t size_choice = pick.Byte();
    const std::size_t size = size_choice < 200 ? size_choice : std::size_t(size_choice - 199) * 1000;
    CheckLookup(text, section, key, default_text, size);
  }
  return 0;
}
