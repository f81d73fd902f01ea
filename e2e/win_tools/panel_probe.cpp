// Watches and pokes the launcher's side panel from outside its process, for the end-to-end
// checks. The panel is the titled window of class TarnwickWindow (the bar has no title bar);
// the checks run one launcher at a time.
// Usage:
//   panel_probe.exe --watch <max ms> [<quiet ms>]
//       prints "ready", then one line whenever the panel's state changes:
//         t=<ms> window=<hex> visible=<0|1> rect=<l,t,r,b>     or     t=<ms> none
//       and ends after <max ms>, or once nothing has changed for <quiet ms> after a change.
//   panel_probe.exe --close <hex|panel> <count> <interval ms>
//       posts WM_CLOSE <count> times to that window, or to whatever panel exists at each moment
//       (none: that round is skipped), and prints "posted=<n>"; exit 0 when any was posted
//   panel_probe.exe --close-button <hex>    prints "x y", the middle of the title-bar close button
//   panel_probe.exe --items <hex> [<max>]   prints "count=<n>" and the first <max> item texts
//                                           ("item=<text>") of the folder view inside the window
//   panel_probe.exe --responds <hex>        exit 0 when the window answers a message within 5 s
//   panel_probe.exe --box <style>           shows a message box "reference" of that style
// Rectangles and points are in screen pixels; texts are UTF-8.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/win32_text.h"

namespace {

using tarnwick::win32::WideToUtf8;

HWND HandleArgument(const wchar_t* hex) { return static_cast<HWND>(ULongToHandle(std::wcstoul(hex, nullptr, 16))); }
int NumberArgument(const wchar_t* text) { return static_cast<int>(std::wcstol(text, nullptr, 10)); }

BOOL CALLBACK MatchPanel(HWND window, LPARAM found) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (std::wstring(name) != L"TarnwickWindow" || (style & WS_CAPTION) != WS_CAPTION) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND FindPanel() {
  HWND found = nullptr;
  EnumWindows(MatchPanel, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string PanelState() {
  const HWND panel = FindPanel();
  if (panel == nullptr) return "none";
  RECT rect{};
  GetWindowRect(panel, &rect);
  char line[128];
  std::snprintf(line, sizeof line, "window=%lx visible=%d rect=%ld,%ld,%ld,%ld",
                static_cast<unsigned long>(HandleToULong(panel)), IsWindowVisible(panel) ? 1 : 0, rect.left, rect.top,
                rect.right, rect.bottom);
  return line;
}

int Watch(int max_ms, int quiet_ms) {
  std::printf("ready\n");
  std::fflush(stdout);
  const ULONGLONG start = GetTickCount64();
  ULONGLONG last_change = 0;
  bool changed = false;
  std::string last;
  for (ULONGLONG now = start; now - start < static_cast<ULONGLONG>(max_ms); now = GetTickCount64()) {
    const std::string state = PanelState();
    if (state != last) {
      std::printf("t=%llu %s\n", now - start, state.c_str());
      std::fflush(stdout);
      changed = !last.empty();
      last = state;
      last_change = now;
    } else if (changed && quiet_ms > 0 && now - last_change >= static_cast<ULONGLONG>(quiet_ms)) {
      break;
    }
    Sleep(5);
  }
  return 0;
}

int PostCloses(const std::wstring& target, int count, int interval_ms) {
  int posted = 0;
  for (int i = 0; i < count; ++i) {
    const HWND window = target == L"panel" ? FindPanel() : HandleArgument(target.c_str());
    if (window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0)) ++posted;
    Sleep(static_cast<DWORD>(interval_ms));
  }
  std::printf("posted=%d\n", posted);
  return posted > 0 ? 0 : 1;
}

// The close button, found by asking the window what each point of its title bar is.
int PrintCloseButton(HWND window) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return 1;
  long left = -1, right = -1, top = -1, bottom = -1;
  for (long y = rect.top; y < rect.top + 40 && y < rect.bottom; ++y) {
    for (long x = rect.right - 1; x > rect.right - 80 && x > rect.left; --x) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE) continue;
      if (top < 0) top = y;
      bottom = y;
      if (right < 0 || x > right) right = x;
      if (left < 0 || x < left) left = x;
    }
  }
  if (top < 0) return 1;
  std::printf("%ld %ld\n", (left + right) / 2, (top + bottom) / 2);
  return 0;
}

BOOL CALLBACK MatchListView(HWND child, LPARAM found) {
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  if (std::wstring(name) != WC_LISTVIEWW) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// Reads one item's text through memory of the list view's own process, where the control
// can write it.
std::wstring ItemText(HWND list, HANDLE process, BYTE* remote, int index) {
  constexpr int kChars = 512;
  LVITEMW item{};
  item.iSubItem = 0;
  item.cchTextMax = kChars;
  item.pszText = reinterpret_cast<LPWSTR>(remote + sizeof item);
  wchar_t text[kChars] = L"";
  if (!WriteProcessMemory(process, remote, &item, sizeof item, nullptr)) return L"";
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote + sizeof item, text, sizeof text - sizeof(wchar_t), nullptr);
  return text;
}

int PrintItems(HWND window, int max) {
  HWND list = nullptr;
  EnumChildWindows(window, MatchListView, reinterpret_cast<LPARAM>(&list));
  if (list == nullptr) return 1;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  std::printf("count=%d\n", count);
  DWORD process_id = 0;
  GetWindowThreadProcessId(list, &process_id);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
  if (process == nullptr) return 1;
  auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
  for (int i = 0; remote != nullptr && i < count && i < max; ++i) {
    std::printf("item=%s\n", WideToUtf8(ItemText(list, process, remote, i)).c_str());
  }
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return remote != nullptr ? 0 : 1;
}

int Responds(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  int result = 2;
  if (mode == L"--watch" && argc >= 3) {
    result = Watch(NumberArgument(argv[2]), argc > 3 ? NumberArgument(argv[3]) : 0);
  } else if (mode == L"--close" && argc == 5) {
    result = PostCloses(argv[2], NumberArgument(argv[3]), NumberArgument(argv[4]));
  } else if (mode == L"--close-button" && argc == 3) {
    result = PrintCloseButton(HandleArgument(argv[2]));
  } else if (mode == L"--items" && argc >= 3) {
    result = PrintItems(HandleArgument(argv[2]), argc > 3 ? NumberArgument(argv[3]) : 100);
  } else if (mode == L"--responds" && argc == 3) {
    result = Responds(HandleArgument(argv[2]));
  } else if (mode == L"--box" && argc == 3) {
    MessageBoxW(nullptr, L"reference", L"reference", static_cast<UINT>(NumberArgument(argv[2])));
    result = 0;
  }
  std::fflush(stdout);
  return result;
}
