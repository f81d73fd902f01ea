#include "platform/win32/win32_code_page.h"

#include <windows.h>

#include <limits>

namespace tarnwick::win32 {
namespace {

// Converts `text` from `from_code_page` to `to_code_page` through UTF-16. Empty on any
// failure (including text too long for the system's int lengths).
std::string Convert(const std::string& text, UINT from_code_page, UINT to_code_page) {
  if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return {};
  const int length = static_cast<int>(text.size());
  const int wide_length = MultiByteToWideChar(from_code_page, 0, text.data(), length, nullptr, 0);
  if (wide_length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(from_code_page, 0, text.data(), length, wide.data(), wide_length);
  const int out_length =
      WideCharToMultiByte(to_code_page, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  if (out_length <= 0) return {};
  std::string out(static_cast<std::size_t>(out_length), '\0');
  WideCharToMultiByte(to_code_page, 0, wide.data(), wide_length, out.data(), out_length, nullptr, nullptr);
  return out;
}

}  // namespace

static_assert(CP_ACP == 0);

std::string Win32CodePage::FromUtf8(const std::string& utf8) const { return Convert(utf8, CP_UTF8, code_page_); }

std::string Win32CodePage::ToUtf8(const std::string& ansi) const { return Convert(ansi, code_page_, CP_UTF8); }

}  // namespace tarnwick::win32
