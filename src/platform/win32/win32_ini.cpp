#include "platform/win32/win32_ini.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <optional>

#include "platform/common/profile_string.h"
#include "platform/common/profile_text.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

// A config.ini beyond this size is taken as unreadable rather than read into memory.
constexpr LONGLONG kLargestReadFile = 64LL << 20;

// `wide` in the ANSI code page when the conversion gives it back unchanged, else nothing (a
// best-fit spelling would name another file, or none).
std::optional<std::string> ExactAnsiSpelling(const std::wstring& wide, const Win32CodePage& code_page) {
  const std::string ansi = code_page.FromUtf8(WideToUtf8(wide));
  if (ansi.empty() || Utf8ToWide(code_page.ToUtf8(ansi)) != wide) return std::nullopt;
  return ansi;
}

// A name of the file at `path` that the single-byte call can use: the path itself, else its
// short form.
std::optional<std::string> SingleBytePath(const std::string& path, const Win32CodePage& code_page) {
  const std::wstring wide = Utf8ToWide(path);
  if (auto spelled = ExactAnsiSpelling(wide, code_page)) return spelled;
  std::wstring short_path(GetShortPathNameW(wide.c_str(), nullptr, 0), L'\0');
  if (short_path.empty()) return std::nullopt;
  const DWORD length = GetShortPathNameW(wide.c_str(), short_path.data(), static_cast<DWORD>(short_path.size()));
  if (length == 0 || length >= short_path.size()) return std::nullopt;
  short_path.resize(length);
  return ExactAnsiSpelling(short_path, code_page);
}

// The bytes of the disk file at `path`, or nothing when it is missing, no file on a disk (a
// folder, a pipe, a device), too large or unreadable.
std::optional<std::string> ReadDiskFile(const std::string& path) {
  ScopedFile file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.Valid() || GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.Get(), &size) ||
      size.QuadPart > kLargestReadFile) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    return std::nullopt;
  }
  bytes.resize(read);
  return bytes;
}

}  // namespace

std::size_t ReadProfileStringByRules(const std::string& section, const std::string& key,
                                     const std::string& default_text, char* buffer, std::size_t size,
                                     const std::string& path, const platform::AnsiCodePage& code_page) {
  std::optional<std::string> text;
  if (const auto bytes = ReadDiskFile(path)) text = platform::DecodeProfileText(*bytes, code_page);
  return platform::CopyProfileString(text, section, key, default_text, buffer, size, code_page);
}

std::size_t Win32Ini::ReadProfileString(const std::string& section, const std::string& key,
                                        const std::string& default_text, char* buffer, std::size_t size,
                                        const std::string& path) {
  if (const std::optional<std::string> spelled = SingleBytePath(path, code_page_)) {
    const auto size_for_call = static_cast<DWORD>(std::min<std::size_t>(size, std::numeric_limits<DWORD>::max()));
    return GetPrivateProfileStringA(section.c_str(), key.c_str(), default_text.c_str(), buffer, size_for_call,
                                    spelled->c_str());
  }
  return ReadProfileStringByRules(section, key, default_text, buffer, size, path, code_page_);
}

}  // namespace tarnwick::win32
