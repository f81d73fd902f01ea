#include "platform/sim/cp949_code_page.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

#include "platform/common/utf8.h"

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

}  // namespace

// One iconv conversion descriptor; converts as much as it can and reports where it stopped.
class Cp949CodePage::Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool usable() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // Appends the converted text of input[pos..] to `out` and returns the position of the first
  // byte it could not convert (input.size() when all went).
  std::size_t Convert(const std::string& input, std::size_t pos, std::string& out) const {
    if (!usable()) return pos;
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data()) + pos;
    std::size_t in_left = input.size() - pos;
    char chunk[256];
    while (in_left > 0) {
      char* chunk_end = chunk;
      std::size_t chunk_left = sizeof chunk;
      const std::size_t result = iconv(descriptor_, &in, &in_left, &chunk_end, &chunk_left);
      out.append(chunk, chunk_end);
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return input.size() - in_left;
  }

 private:
  iconv_t descriptor_;
};

Cp949CodePage::Cp949CodePage()
    : to_cp949_(std::make_unique<Converter>("CP949", "UTF-8")),
      from_cp949_(std::make_unique<Converter>("UTF-8", "CP949")) {}

Cp949CodePage::~Cp949CodePage() = default;

std::string Cp949CodePage::FromUtf8(const std::string& utf8) const {
  std::string out;
  for (std::size_t pos = to_cp949_->Convert(utf8, 0, out); pos < utf8.size();
       pos = to_cp949_->Convert(utf8, pos, out)) {
    const auto code_point = platform::DecodeUtf8(utf8, pos);
    const auto extra = code_point ? ExtraBytes(*code_point) : std::nullopt;
    out += extra.value_or("?");
  }
  return out;
}

std::string Cp949CodePage::ToUtf8(const std::string& ansi) const {
  std::string out;
  for (std::size_t pos = from_cp949_->Convert(ansi, 0, out); pos < ansi.size();
       pos = from_cp949_->Convert(ansi, pos, out)) {
    const auto first = static_cast<unsigned char>(ansi[pos]);
    const bool pair = IsLeadByte(first) && pos + 1 < ansi.size();
    const auto second = pair ? std::optional<unsigned char>(ansi[pos + 1]) : std::nullopt;
    const auto extra = ExtraCharacter(first, second);
    if (extra) {
      platform::AppendUtf8(out, *extra);
    } else {
      out += platform::kReplacementCharacter;
    }
    pos += pair ? 2 : 1;
  }
  return out;
}

}  // namespace tarnwick::sim
