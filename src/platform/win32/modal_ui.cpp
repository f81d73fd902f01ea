#include "platform/win32/modal_ui.h"

#include <string_view>
#include <vector>

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

// A visible, enabled window of the dialog class that the system's message boxes use.
bool IsOpenBox(HWND window) {
  wchar_t name[8] = L"";
  return IsWindowVisible(window) && IsWindowEnabled(window) && GetClassNameW(window, name, 8) > 0 &&
         std::wstring_view(name) == L"#32770";
}

BOOL CALLBACK FindOpenBox(HWND window, LPARAM lparam) {
  if (!IsOpenBox(window)) return TRUE;
  *reinterpret_cast<HWND*>(lparam) = window;
  return FALSE;
}

// Disables the thread's enabled top-level windows but one, and enables them again when it goes.
class ThreadWindowsDisabled {
 public:
  explicit ThreadWindowsDisabled(HWND spared) : spared_(spared) {
    EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
  }
  ~ThreadWindowsDisabled() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM lparam) {
    auto* self = reinterpret_cast<ThreadWindowsDisabled*>(lparam);
    if (window != self->spared_ && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      self->disabled_.push_back(window);
    }
    return TRUE;
  }

  HWND spared_;
  std::vector<HWND> disabled_;
};

}  // namespace

int ShowModalMessageBox(HWND owner, const std::string& text, const std::string& caption, int style) {
  const std::wstring wide_text = WithCrLfBreaks(Utf8ToWide(text));
  // The box disables its owner itself; the program's other windows are disabled here, as a
  // box without an owner would do with all of them.
  const ThreadWindowsDisabled others(owner);
  return MessageBoxW(owner, wide_text.c_str(), Utf8ToWide(caption).c_str(),
                     static_cast<UINT>(style) | MB_APPLMODAL | MB_SETFOREGROUND);
}

void BringModalBoxForwardOnPress(LPARAM set_cursor_arguments) {
  const UINT mouse_message = HIWORD(set_cursor_arguments);
  if (static_cast<SHORT>(LOWORD(set_cursor_arguments)) != HTERROR) return;
  if (mouse_message != WM_LBUTTONDOWN && mouse_message != WM_RBUTTONDOWN && mouse_message != WM_MBUTTONDOWN) return;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindOpenBox, reinterpret_cast<LPARAM>(&box));
  if (box != nullptr) SetForegroundWindow(box);
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
