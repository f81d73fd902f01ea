#include "platform/win32/win32_application.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {

Win32Application::Win32Application(OwnerWindow& owner, std::string instance_name)
    : owner_(owner), instance_name_(std::move(instance_name)) {}

std::string Win32Application::ProgramFolder() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';  // a drive's root keeps its separator
  return WideToUtf8(folder);
}

bool Win32Application::IsPreviousInstance() {
  // The first call creates the mutex and keeps it for the life of the process; creation is
  // atomic, so of two copies started together exactly one finds the mutex absent. A mutex that
  // exists but may not be opened (another user's copy in this session) counts as a copy too.
  if (!previous_instance_) {
    const std::wstring name = L"Local\\" + Utf8ToWide(instance_name_) + L".Instance";
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    instance_mutex_.Reset(mutex);
    previous_instance_ = error == ERROR_ALREADY_EXISTS || (mutex == nullptr && error == ERROR_ACCESS_DENIED);
  }
  return *previous_instance_;
}

void Win32Application::SetTaskListVisible(bool visible) { owner_.SetTaskListVisible(visible); }

void Win32Application::PumpEvents() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // left for the main loop
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32Application::WaitForEvents(float seconds) {
  if (!(seconds > 0.0f)) return;
  constexpr float kLongestWaitMs = 60000.0f;
  const auto milliseconds = static_cast<DWORD>(std::min(std::ceil(seconds * 1000.0f), kLongestWaitMs));
  MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

std::optional<std::uint64_t> Win32Application::FileLength(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &attributes)) return std::nullopt;
  if (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;  // a folder has no length
  return (static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
}

void Win32Application::EndNow() { ExitProcess(0); }

}  // namespace tarnwick::win32
