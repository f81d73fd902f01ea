#include "support/json_check.h"

#include <algorithm>

#include "platform/common/utf8.h"

namespace tarnwick::fuzz {
namespace {

constexpr int kDeepest = 64;

class JsonReader {
 public:
  JsonReader(std::string_view text, JsonMembers& members) : text_(text), members_(members) {}

  bool Document() {
    if (!Value(0)) return false;
    Blanks();
    return at_ == text_.size();
  }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Take(char c) {
    if (Peek() != c || at_ >= text_.size()) return false;
    ++at_;
    return true;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  void Blanks() {
    while (at_ < text_.size() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++at_;
  }
  std::size_t Digits() {
    const std::size_t start = at_;
    while (Peek() >= '0' && Peek() <= '9') ++at_;
    return at_ - start;
  }

  bool Number(std::string& out) {
    const std::size_t start = at_;
    Take('-');
    if (!Take('0') && Digits() == 0) return false;
    if (Take('.') && Digits() == 0) return false;
    if ((Take('e') || Take('E')) && (Take('+') || Take('-') || true) && Digits() == 0) return false;
    out = std::string(text_.substr(start, at_ - start));
    return true;
  }

  bool Hex4(unsigned& unit) {
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = Peek();
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) return false;
      unit = unit * 16 + unsigned(digit);
      ++at_;
    }
    return true;
  }

  bool Escape(std::string& out) {
    const char c = Peek();
    ++at_;
    static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
    if (const std::size_t i = kFrom.find(c); c != '\0' && i != std::string_view::npos) {
      out += kTo[i];
      return true;
    }
    unsigned unit = 0;
    if (c != 'u' || !Hex4(unit)) return false;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      unsigned low = 0;
      if (!Word("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
      unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      return false;
    }
    platform::AppendUtf8(out, char32_t(unit));
    return true;
  }

  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c == '\\') {
        ++at_;
        if (!Escape(out)) return false;
        continue;
      }
      const std::size_t start = at_;
      if (!platform::DecodeUtf8(text_, at_)) return false;
      out.append(text_.substr(start, at_ - start));
    }
    return false;
  }

  // A member's value; a string or number is kept under `name`.
  bool Value(int depth, const std::string* name = nullptr) {
    Blanks();
    if (depth > kDeepest) return false;
    std::string scalar;
    const char c = Peek();
    bool ok = false;
    if (c == '{') {
      ok = Object(depth);
    } else if (c == '[') {
      ok = Array(depth);
    } else if (c == '"') {
      ok = String(scalar);
      if (ok && name) members_.scalars.emplace_back(*name, scalar);
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      ok = Number(scalar);
      if (ok && name) members_.scalars.emplace_back(*name, scalar);
    } else {
      ok = Word("true") || Word("false") || Word("null");
    }
    return ok;
  }

  bool Object(int depth) {
    Take('{');
    Blanks();
    if (Take('}')) return true;
    do {
      Blanks();
      std::string name;
      if (!String(name)) return false;
      Blanks();
      if (!Take(':') || !Value(depth + 1, &name)) return false;
      Blanks();
    } while (Take(','));
    return Take('}');
  }

  bool Array(int depth) {
    Take('[');
    Blanks();
    if (Take(']')) return true;
    do {
      if (!Value(depth + 1)) return false;
      Blanks();
    } while (Take(','));
    return Take(']');
  }

  std::string_view text_;
  std::size_t at_ = 0;
  JsonMembers& members_;
};

}  // namespace

std::size_t JsonMembers::CountOf(std::string_view name, std::string_view value) const {
  return std::size_t(std::count_if(scalars.begin(), scalars.end(),
                                   [&](const auto& member) { return member.first == name && member.second == value; }));
}

std::string JsonMembers::First(std::string_view name) const {
  for (const auto& member : scalars)
    if (member.first == name) return member.second;
  return {};
}

bool ParseJson(std::string_view text, JsonMembers& members) { return JsonReader(text, members).Document(); }

}  // namespace tarnwick::fuzz
