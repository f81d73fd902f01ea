#include "platform/sim/cp949_code_page.h"

#include <iconv.h>

#include <optional>
#include <string_view>

#include "platform/common/utf8.h"
#include "platform/sim/cp949_best_fit.h"

namespace tarnwick::sim {
namespace {

constexpr char32_t kUserDefinedFirst = 0xE000;  // the system maps rows 0xC9, 0xFE here
constexpr int kUserDefinedRowLength = 94;       // trail bytes 0xA1 .. 0xFE
constexpr char32_t kByteFfCharacter = 0xF8F7;

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The system's characters for byte sequences that iconv's table leaves out.
std::optional<char32_t> ExtraCharacter(unsigned char first, std::optional<unsigned char> second) {
  if (first == 0x80) return 0x80;
  if (first == 0xFF) return kByteFfCharacter;
  if (!second || *second < 0xA1 || *second > 0xFE) return std::nullopt;
  const int column = *second - 0xA1;
  if (first == 0xC9) return kUserDefinedFirst + column;
  if (first == 0xFE) return kUserDefinedFirst + kUserDefinedRowLength + column;
  return std::nullopt;
}

std::optional<std::string> ExtraBytes(char32_t code_point) {
  if (code_point == 0x80) return std::string("\x80");
  if (code_point == kByteFfCharacter) return std::string("\xFF");
  const char32_t last = kUserDefinedFirst + 2 * kUserDefinedRowLength;
  if (code_point < kUserDefinedFirst || code_point >= last) return std::nullopt;
  const int index = static_cast<int>(code_point - kUserDefinedFirst);
  const char row = index < kUserDefinedRowLength ? '\xC9' : '\xFE';
  return std::string{row, static_cast<char>(0xA1 + index % kUserDefinedRowLength)};
}

// The system's bytes for a character iconv cannot convert: computed, best fit, or '?' for
// each UTF-16 unit the character needs.
std::string FallbackBytes(char32_t code_point) {
  if (const auto extra = ExtraBytes(code_point)) return *extra;
  if (const auto best_fit = Cp949BestFit(code_point)) return std::string(*best_fit);
  return code_point >= 0x10000 ? "??" : "?";
}

}  // namespace

// One iconv conversion descriptor, used one character at a time: where iconv stops on bad input
// differs between its converters, so the characters are cut apart here.
class Cp949CodePage::Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The converted character, or nothing when iconv has none for it.
  std::optional<std::string> ConvertCharacter(std::string_view character) const {
    if (!usable()) return std::nullopt;
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(character.data());
    std::size_t in_left = character.size();
    char converted[8];
    char* out = converted;
    std::size_t out_left = sizeof converted;
    const std::size_t result = iconv(descriptor_, &in, &in_left, &out, &out_left);
    if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
    return std::string(converted, out);
  }

 private:
  bool usable() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  iconv_t descriptor_;
};

Cp949CodePage::Cp949CodePage()
    : to_cp949_(std::make_unique<Converter>("CP949", "UTF-8")),
      from_cp949_(std::make_unique<Converter>("UTF-8", "CP949")) {}

Cp949CodePage::~Cp949CodePage() = default;

std::string Cp949CodePage::FromUtf8(const std::string& utf8) const {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    const auto code_point = platform::DecodeUtf8(utf8, pos);
    if (!code_point) {
      out.push_back('?');
    } else if (*code_point < 0x80) {
      out.push_back(static_cast<char>(*code_point));
    } else {
      const auto converted = to_cp949_->ConvertCharacter(std::string_view(utf8).substr(start, pos - start));
      out += converted ? *converted : FallbackBytes(*code_point);
    }
  }
  return out;
}

std::string Cp949CodePage::ToUtf8(const std::string& ansi) const {
  std::string out;
  out.reserve(ansi.size());
  for (std::size_t pos = 0; pos < ansi.size();) {
    const auto first = static_cast<unsigned char>(ansi[pos]);
    if (first < 0x80) {
      out.push_back(static_cast<char>(first));
      ++pos;
      continue;
    }
    // A lead byte takes any next byte but NUL with it.
    const bool pair = IsLeadByte(first) && pos + 1 < ansi.size() && ansi[pos + 1] != '\0';
    const std::string_view character = std::string_view(ansi).substr(pos, pair ? 2 : 1);
    pos += character.size();
    if (const auto converted = from_cp949_->ConvertCharacter(character)) {
      out += *converted;
    } else if (const auto extra = ExtraCharacter(first, pair ? std::optional<unsigned char>(character[1]) : std::nullopt)) {
      platform::AppendUtf8(out, *extra);
    } else {
      out.push_back('?');
    }
  }
  return out;
}

const Cp949CodePage& SharedCp949CodePage() {
  static const Cp949CodePage code_page;
  return code_page;
}

}  // namespace tarnwick::sim
