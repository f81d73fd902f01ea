#include "platform/win32/location_problem.h"

#include <memory>

#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

struct LocalMemoryFree {
  void operator()(wchar_t* text) const { LocalFree(text); }
};

// The path without its trailing separators (a drive's root keeps its own): "C:\Tools\x.txt\"
// is asked about as the file it names, not as a malformed folder name.
std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

}  // namespace

DWORD FolderProblem(const std::wstring& full_path) {
  const DWORD attributes = GetFileAttributesW(WithoutTrailingSeparators(full_path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_PATH_NOT_FOUND;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? 0 : ERROR_DIRECTORY;
}

DWORD ErrorOfResult(HRESULT result) {
  return HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result) : static_cast<DWORD>(result);
}

std::string SystemMessageText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalMemoryFree> owned(buffer);
  if (length == 0 || buffer == nullptr) return {};
  return WideToUtf8(std::wstring(buffer, length));
}

}  // namespace tarnwick::win32
