#include "platform/win32/gdi_text.h"

#include <windows.h>

#include <climits>

namespace tarnwick::win32 {

std::wstring WideFromUtf8(const std::string& utf8) {
  if (utf8.empty() || utf8.size() > INT_MAX) return {};
  const int length = static_cast<int>(utf8.size());
  const int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wide_length);
  return wide;
}

}  // namespace tarnwick::win32
