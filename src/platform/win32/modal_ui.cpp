#include "platform/win32/modal_ui.h"

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

struct TitleSearch {
  std::wstring title;
  HWND exact = nullptr;
  HWND prefix = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM lparam) {
  auto* search = reinterpret_cast<TitleSearch*>(lparam);
  if (!IsWindowVisible(window)) return TRUE;
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  if (text == search->title) {
    search->exact = window;
    return FALSE;
  }
  if (search->prefix == nullptr && text.starts_with(search->title)) search->prefix = window;
  return TRUE;
}

}  // namespace

int ShowModalMessageBox(const std::string& text, const std::string& caption, int style) {
  const std::wstring wide_text = WithCrLfBreaks(Utf8ToWide(text));
  return MessageBoxW(nullptr, wide_text.c_str(), Utf8ToWide(caption).c_str(),
                     static_cast<UINT>(style) | MB_TASKMODAL | MB_SETFOREGROUND);
}

int TrackPopupAtPointer(HWND owner, const std::vector<std::string>& items) {
  ScopedMenu menu(CreatePopupMenu());
  if (!menu.Valid()) return -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    AppendMenuW(menu.Get(), MF_STRING, i + 1, Utf8ToWide(items[i]).c_str());
  }
  POINT at{};
  GetCursorPos(&at);
  // The owner must be in front, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  const int chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                    owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  return chosen - 1;
}

HWND FindWindowByTitle(const std::string& title) {
  TitleSearch search{Utf8ToWide(title)};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.exact ? search.exact : search.prefix;
}

}  // namespace tarnwick::win32
