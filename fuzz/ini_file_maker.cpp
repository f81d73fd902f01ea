#include "ini_file_maker.h"

#include "platform/sim/cp949_code_page.h"

namespace tarnwick::fuzz {
namespace {

const sim::Cp949CodePage& CodePage() { return sim::SharedCp949CodePage(); }

// Pieces names and values are made of: ASCII, Korean syllables, symbols, quotes, the
// characters the reader treats specially, a lead byte without its trail byte, a stray trail byte.
const std::vector<std::string>& Pieces() {
  static const std::vector<std::string> pieces = [] {
    std::vector<std::string> list{"a", "B", "key", "Image", "x1", "_", "-", ".", " ", "  ", "\t", "=", "[", "]",
                                  "\"", "'", ";", "#", "\x1a", "\x0b", std::string(1, '\0'), "\xb0", "\xa1",
                                  "\x80", "\xff", "\xc9\xa1", "\xfe\xfe", "\xa2\xe8", "\xb0\x41", "\xb0\x61"};
    for (const char* utf8 : {"가", "값", "한글", "문서", "설정", "™", "©", "Ａ", "ａ", "α", "Д", "€", "…"})
      list.push_back(CodePage().FromUtf8(utf8));
    return list;
  }();
  return pieces;
}

}  // namespace

std::string IniFileMaker::Name() {
  std::string name;
  const std::size_t pieces = Chance(3) ? 200 + Below(2000) : 1 + Below(6);
  for (std::size_t i = 0; i < pieces; ++i) name += Pieces()[Below(Chance(70) ? 6 : Pieces().size())];
  return name;
}

std::string IniFileMaker::Value() {
  if (Chance(5)) return "";
  std::string value;
  const std::size_t pieces = Chance(8) ? 100 + Below(600) : Below(12);
  for (std::size_t i = 0; i < pieces; ++i) value += Pieces()[Below(Pieces().size())];
  if (Chance(20)) {
    const char quote = Chance(50) ? '"' : '\'';
    value = quote + value + (Chance(85) ? std::string(1, quote) : std::string());
  }
  return value;
}

std::string IniFileMaker::LineEnd() {
  switch (Below(6)) {
    case 0: return "\r";
    case 1: return "\n";
    case 2: return "\n\r";
    case 3: return "\r\n\r\n";
    default: return "\r\n";
  }
}

std::string IniFileMaker::Blanks() {
  static const char* kBlanks[] = {"", "", "", " ", "\t", "  ", "\x1a", "\x0c"};
  return kBlanks[Below(std::size(kBlanks))];
}

// A name as a lookup may spell it: other letter case, blanks around it, or cut short.
std::string IniFileMaker::NameVariant(const std::string& name) {
  std::string variant = name;
  if (Chance(30))
    for (char& c : variant)
      if (c >= 'a' && c <= 'z') c = char(c - 32);
  if (Chance(10)) variant = " " + variant + "\t";
  if (Chance(5) && !variant.empty()) variant.pop_back();
  return variant;
}

void IniFileMaker::Mutate(std::string& bytes) {
  const std::size_t edits = 1 + Below(8);
  for (std::size_t i = 0; i < edits && !bytes.empty(); ++i) {
    const std::size_t at = Below(bytes.size());
    switch (Below(4)) {
      case 0: bytes[at] = char(Below(256)); break;
      case 1: bytes.insert(at, 1, "\r\n\0[]=\"\xb0"[Below(8)]); break;
      case 2: bytes.erase(at, 1 + Below(4)); break;
      default: bytes.resize(at); break;
    }
  }
}

// The text as the file holds it: mostly code page 949 bytes as they are, sometimes behind a
// byte-order mark, converted to what the mark announces (or left as they are, a wrong mark).
std::string IniFileMaker::Encoded(const std::string& cp949_text) {
  const int kind = int(Below(20));
  if (kind >= 4) return cp949_text;
  const std::string utf8 = CodePage().ToUtf8(cp949_text);
  if (kind == 0) return "\xef\xbb\xbf" + utf8;
  if (kind == 3) return "\xef\xbb\xbf" + cp949_text;
  std::string utf16 = kind == 1 ? "\xff\xfe" : "\xfe\xff";
  for (std::size_t pos = 0; pos < utf8.size();) {
    // Decoded by hand to keep the maker free of the reader's helpers.
    const unsigned char lead = utf8[pos];
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int i = 1; i < length && pos + i < utf8.size(); ++i) code = code << 6 | (utf8[pos + i] & 0x3F);
    pos += length;
    const auto unit = [&](char16_t u) {
      const char high = char(u >> 8), low = char(u & 0xFF);
      utf16 += kind == 1 ? std::string{low, high} : std::string{high, low};
    };
    if (code >= 0x10000) {
      unit(char16_t(0xD800 + ((code - 0x10000) >> 10)));
      unit(char16_t(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      unit(char16_t(code));
    }
  }
  return utf16;
}

MadeLookup IniFileMaker::Lookup(const std::vector<std::string>& sections, const std::vector<std::string>& keys) {
  MadeLookup lookup;
  lookup.section = sections.empty() || Chance(10) ? Name() : NameVariant(sections[Below(sections.size())]);
  lookup.key = keys.empty() || Chance(10) ? Name() : NameVariant(keys[Below(keys.size())]);
  static const char* kDefaults[] = {"DEF", "", " ", "d  ", "\"q\"", "'x'", "\xb0\xa1\xb0\xa1", "a\xb0"};
  lookup.default_text = Chance(10) ? Value() : kDefaults[Below(std::size(kDefaults))];
  static const std::size_t kSizes[] = {0, 1, 2, 3, 4, 5, 7, 8, 16, 255, 256, 1024, 65535};
  lookup.size = Chance(50) ? kSizes[Below(std::size(kSizes))] : 1 + Below(40);
  return lookup;
}

MadeFile IniFileMaker::Next() {
  std::vector<std::string> sections, keys;
  std::string text;
  const std::size_t lines = Below(30);
  for (std::size_t i = 0; i < lines; ++i) {
    if (Chance(25)) {
      const std::string name = Name();
      sections.push_back(name);
      text += Blanks() + "[" + Blanks() + name + Blanks() + (Chance(90) ? "]" : "") + (Chance(10) ? " ;x" : "");
    } else {
      const std::string name = Name();
      keys.push_back(name);
      text += Blanks() + name + Blanks() + (Chance(92) ? "=" : "") + Blanks() + Value() + Blanks();
    }
    if (i + 1 < lines || Chance(70)) text += LineEnd();
  }
  MadeFile file;
  file.bytes = Encoded(text);
  if (Chance(25)) Mutate(file.bytes);
  const std::size_t lookups = 1 + Below(6);
  for (std::size_t i = 0; i < lookups; ++i) file.lookups.push_back(Lookup(sections, keys));
  return file;
}

}  // namespace tarnwick::fuzz
