// Watches and pokes the launcher's side panel from outside its process, for the end-to-end
// checks. The panel is the titled window of class TarnwickWindow (the bar has no title bar);
// the checks run one launcher at a time. Every answer is JSON; a panel is written as
//   {"handle": "<hex>", "visible": true|false, "rect": [l, t, r, b]}   or null when there is none.
// Usage:
//   panel_probe.exe --state                 {"panel": <panel>}
//   panel_probe.exe --watch <max ms> [<quiet ms>]
//       one JSON document a line: {"ready": true}, then {"t": <ms>, "panel": <panel>} whenever
//       the panel's state changes; ends after <max ms>, or once nothing has changed for
//       <quiet ms> after a change.
//   panel_probe.exe --close <hex|panel> <count> <interval ms>
//       posts WM_CLOSE <count> times to that window, or to whatever panel exists at each moment
//       (none: that round is skipped): {"posted": <n>}; exit 0 when any was posted
//   panel_probe.exe --close-button <hex>    {"centre": [x, y]}, the middle of the title-bar
//                                           close button, or {"centre": null}
//   panel_probe.exe --items <hex> [<max>]   {"count": <n>, "items": [<the first <max> texts>]}
//                                           of the folder view inside the window, or
//                                           {"count": null, "items": []} when it has none
//   panel_probe.exe --responds <hex>        {"responds": true|false}: whether the window answers
//                                           a message within 5 s (exit 0 when it does)
//   panel_probe.exe --box <style>           shows a message box "reference" of that style, then
//                                           {"answer": <the button's id>}
// Rectangles and points are in screen pixels; texts are UTF-8.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/common/json_text.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace {

using tarnwick::win32::WideToUtf8;

HWND HandleArgument(const wchar_t* hex) { return static_cast<HWND>(ULongToHandle(std::wcstoul(hex, nullptr, 16))); }
int NumberArgument(const wchar_t* text) { return static_cast<int>(std::wcstol(text, nullptr, 10)); }

void PrintLine(const std::string& json) {
  std::printf("%s\n", json.c_str());
  std::fflush(stdout);
}

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

// The panel as JSON (see the top of the file).
std::string PanelJson() {
  const HWND panel = FindPanel();
  if (panel == nullptr) return "null";
  RECT rect{};
  GetWindowRect(panel, &rect);
  char text[160];
  std::snprintf(text, sizeof text, R"({"handle": "%lx", "visible": %s, "rect": [%ld, %ld, %ld, %ld]})",
                static_cast<unsigned long>(HandleToULong(panel)), IsWindowVisible(panel) ? "true" : "false", rect.left,
                rect.top, rect.right, rect.bottom);
  return text;
}

int Watch(int max_ms, int quiet_ms) {
  PrintLine(R"({"ready": true})");
  const ULONGLONG start = GetTickCount64();
  ULONGLONG last_change = 0;
  bool changed = false;
  std::string last;
  for (ULONGLONG now = start; now - start < static_cast<ULONGLONG>(max_ms); now = GetTickCount64()) {
    const std::string state = PanelJson();
    if (state != last) {
      PrintLine(R"({"t": )" + std::to_string(now - start) + R"(, "panel": )" + state + "}");
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
  PrintLine(R"({"posted": )" + std::to_string(posted) + "}");
  return posted > 0 ? 0 : 1;
}

// The close button, found by asking the window what each point of its title bar is.
int PrintCloseButton(HWND window) {
  RECT rect{};
  long left = -1, right = -1, top = -1, bottom = -1;
  if (!GetWindowRect(window, &rect)) rect = RECT{};
  for (long y = rect.top; y < rect.top + 40 && y < rect.bottom; ++y) {
    for (long x = rect.right - 1; x > rect.right - 80 && x > rect.left; --x) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE) continue;
      if (top < 0) top = y;
      bottom = y;
      if (right < 0 || x > right) right = x;
      if (left < 0 || x < left) left = x;
    }
  }
  if (top < 0) {
    PrintLine(R"({"centre": null})");
    return 1;
  }
  PrintLine(R"({"centre": [)" + std::to_string((left + right) / 2) + ", " + std::to_string((top + bottom) / 2) + "]}");
  return 0;
}

BOOL CALLBACK MatchListView(HWND child, LPARAM found) {
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  if (std::wstring(name) != WC_LISTVIEWW) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// Memory in another process, given back when done with.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T size)
      : process_(process),
        address_(static_cast<BYTE*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))) {}
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  BYTE* Address() const { return address_; }

 private:
  HANDLE process_;
  BYTE* address_;
};

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
  DWORD process_id = 0;
  if (list != nullptr) GetWindowThreadProcessId(list, &process_id);
  const tarnwick::win32::ScopedKernelHandle process(
      list != nullptr ? OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id)
                      : nullptr);
  if (!process.Valid()) {
    PrintLine(R"({"count": null, "items": []})");
    return 1;
  }
  const RemoteMemory remote(process.Get(), 4096);
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  std::string items;
  for (int i = 0; remote.Address() != nullptr && i < count && i < max; ++i) {
    if (!items.empty()) items += ", ";
    items += tarnwick::platform::JsonQuoted(WideToUtf8(ItemText(list, process.Get(), remote.Address(), i)));
  }
  PrintLine(R"({"count": )" + std::to_string(count) + R"(, "items": [)" + items + "]}");
  return remote.Address() != nullptr ? 0 : 1;
}

int Responds(HWND window) {
  DWORD_PTR result = 0;
  const bool answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
  PrintLine(answered ? R"({"responds": true})" : R"({"responds": false})");
  return answered ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"--state" && argc == 2) {
    PrintLine(R"({"panel": )" + PanelJson() + "}");
    return 0;
  }
  if (mode == L"--watch" && argc >= 3) return Watch(NumberArgument(argv[2]), argc > 3 ? NumberArgument(argv[3]) : 0);
  if (mode == L"--close" && argc == 5) return PostCloses(argv[2], NumberArgument(argv[3]), NumberArgument(argv[4]));
  if (mode == L"--close-button" && argc == 3) return PrintCloseButton(HandleArgument(argv[2]));
  if (mode == L"--items" && argc >= 3) {
    return PrintItems(HandleArgument(argv[2]), argc > 3 ? NumberArgument(argv[3]) : 100);
  }
  if (mode == L"--responds" && argc == 3) return Responds(HandleArgument(argv[2]));
  if (mode == L"--box" && argc == 3) {
    const int answer = MessageBoxW(nullptr, L"reference", L"reference", static_cast<UINT>(NumberArgument(argv[2])));
    PrintLine(R"({"answer": )" + std::to_string(answer) + "}");
    return 0;
  }
  return 2;
}
