// Lists the top-level windows of the running programs, one line each, so the end-to-end checks
// can see what the launcher shows from outside its process:
//   window=<hex> exe=<name> visible=<0|1> class=<class> rect=<l,t,r,b> exstyle=<hex> owner=<hex> title=<text>
// followed by one line per child window:
//   child class=<class> rect=<l,t,r,b> visible=<0|1> text=<text>
// Rectangles are in screen pixels.
// Texts are UTF-8 with CR, LF and backslash written as \r, \n and \\.
// With --json first, the same answers come as one JSON document instead:
//   {"windows": [{"handle": "<hex>", "exe", "visible", "class", "rect": [l, t, r, b], "exstyle",
//                 "owner": "<hex>", "title", "client": [l, t, r, b] (the client area on the screen),
//                 "children": [{"class", "rect", "visible", "text"}]}]}
//   {"processes": ["<path>", ...]}   and for --state {"iconic", "enabled", "foreground", "style"}
// Usage: window_probe.exe [--json] [EXE-NAME]   (only windows of that program; visible or not)
//        window_probe.exe --processes  (one line per running program: process path=<path>)
//        window_probe.exe --hide <hex> (hides that window, as a program could from outside)
//        window_probe.exe --place <hex> <left> <top> <width> <height>  (moves and sizes it)
//        window_probe.exe --minimise <hex> (minimises it, as the shell does for Win+Down)
//        window_probe.exe --state <hex>  (iconic=<0|1> enabled=<0|1> foreground=<0|1> style=<hex>)
//        window_probe.exe --activate <hex> (brings it in front, as a click on it would)
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>

#include "platform/common/json_text.h"
#include "platform/win32/win32_text.h"

namespace {

using tarnwick::win32::WideToUtf8;

bool json = false;  // answer in JSON (--json) instead of lines

// A comma before every element of a JSON list but the first.
struct ListSeparator {
  bool first = true;
  const char* operator()() { return std::exchange(first, false) ? "" : ","; }
};

std::string Json(const std::wstring& text) { return tarnwick::platform::JsonQuoted(WideToUtf8(text)); }

std::string Escaped(const std::wstring& text) {
  std::string out;
  for (char c : WideToUtf8(text)) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = L"";
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring ImagePathOf(DWORD process_id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) return L"?";
  wchar_t path[MAX_PATH] = L"";
  DWORD size = MAX_PATH;
  QueryFullProcessImageNameW(process, 0, path, &size);
  CloseHandle(process);
  return path;
}

std::wstring ExeOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  const std::wstring full = ImagePathOf(process_id);
  return full.substr(full.find_last_of(L"\\/") + 1);
}

void ListProcesses() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  ListSeparator separator;
  if (json) std::printf("{\"processes\": [");
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    const std::wstring path = ImagePathOf(entry.th32ProcessID);
    if (json) {
      std::printf("%s\n  %s", separator(), Json(path).c_str());
    } else {
      std::printf("process path=%s\n", Escaped(path).c_str());
    }
  }
  if (json) std::printf("]}\n");
  CloseHandle(snapshot);
}

BOOL CALLBACK ListChild(HWND child, LPARAM separator) {
  RECT rect{};
  GetWindowRect(child, &rect);
  if (json) {
    std::printf("%s\n    {\"class\": %s, \"rect\": [%ld, %ld, %ld, %ld], \"visible\": %s, \"text\": %s}",
                (*reinterpret_cast<ListSeparator*>(separator))(), Json(ClassOf(child)).c_str(), rect.left, rect.top,
                rect.right, rect.bottom, IsWindowVisible(child) ? "true" : "false", Json(TextOf(child)).c_str());
    return TRUE;
  }
  std::printf("  child class=%s rect=%ld,%ld,%ld,%ld visible=%d text=%s\n", Escaped(ClassOf(child)).c_str(), rect.left,
              rect.top, rect.right, rect.bottom, IsWindowVisible(child) ? 1 : 0, Escaped(TextOf(child)).c_str());
  return TRUE;
}

struct WindowFilter {
  std::wstring wanted;  // the program whose windows to list, or empty: every visible window
  ListSeparator separator;
};

BOOL CALLBACK ListWindow(HWND window, LPARAM filter_address) {
  const std::wstring exe = ExeOf(window);
  auto& filter = *reinterpret_cast<WindowFilter*>(filter_address);
  const std::wstring* wanted = &filter.wanted;
  if (wanted->empty() ? !IsWindowVisible(window) : _wcsicmp(exe.c_str(), wanted->c_str()) != 0) return TRUE;
  RECT rect{};
  GetWindowRect(window, &rect);
  if (json) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::printf("%s\n  {\"handle\": \"%lx\", \"exe\": %s, \"visible\": %s, \"class\": %s, "
                "\"rect\": [%ld, %ld, %ld, %ld], \"exstyle\": %lu, \"owner\": \"%lx\", \"title\": %s, "
                "\"client\": [%ld, %ld, %ld, %ld], \"children\": [",
                filter.separator(), static_cast<unsigned long>(HandleToULong(window)), Json(exe).c_str(),
                IsWindowVisible(window) ? "true" : "false", Json(ClassOf(window)).c_str(), rect.left, rect.top,
                rect.right, rect.bottom, static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
                static_cast<unsigned long>(HandleToULong(GetWindow(window, GW_OWNER))), Json(TextOf(window)).c_str(),
                client.left, client.top, client.right, client.bottom);
    ListSeparator children;
    EnumChildWindows(window, ListChild, reinterpret_cast<LPARAM>(&children));
    std::printf("]}");
    return TRUE;
  }
  std::printf("window=%lx exe=%s visible=%d class=%s rect=%ld,%ld,%ld,%ld exstyle=%lx owner=%lx title=%s\n",
              static_cast<unsigned long>(HandleToULong(window)), Escaped(exe).c_str(), IsWindowVisible(window) ? 1 : 0,
              Escaped(ClassOf(window)).c_str(), rect.left, rect.top, rect.right, rect.bottom,
              static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
              static_cast<unsigned long>(HandleToULong(GetWindow(window, GW_OWNER))), Escaped(TextOf(window)).c_str());
  EnumChildWindows(window, ListChild, 0);
  return TRUE;
}

HWND WindowArgument(const wchar_t* hex) { return static_cast<HWND>(ULongToHandle(std::wcstoul(hex, nullptr, 16))); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1 && std::wstring(argv[1]) == L"--json") {
    json = true;
    --argc;
    ++argv;
  }
  if (argc > 1 && std::wstring(argv[1]) == L"--processes") {
    ListProcesses();
    std::fflush(stdout);
    return 0;
  }
  if (argc == 3 && std::wstring(argv[1]) == L"--hide") {
    const HWND window = WindowArgument(argv[2]);
    if (!IsWindow(window)) return 1;
    ShowWindow(window, SW_HIDE);
    return 0;
  }
  if (argc == 3 && std::wstring(argv[1]) == L"--minimise") {
    const HWND window = WindowArgument(argv[2]);
    if (!IsWindow(window)) return 1;
    ShowWindow(window, SW_MINIMIZE);
    return IsIconic(window) ? 0 : 1;
  }
  if (argc == 3 && std::wstring(argv[1]) == L"--activate") return SetForegroundWindow(WindowArgument(argv[2])) ? 0 : 1;
  if (argc == 3 && std::wstring(argv[1]) == L"--state") {
    const HWND window = WindowArgument(argv[2]);
    if (!IsWindow(window)) return 1;
    std::printf(json ? "{\"iconic\": %d, \"enabled\": %d, \"foreground\": %d, \"style\": %lu}\n"
                     : "iconic=%d enabled=%d foreground=%d style=%lx\n",
                IsIconic(window) ? 1 : 0,
                IsWindowEnabled(window) ? 1 : 0,
                GetForegroundWindow() == window ? 1 : 0, static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    std::fflush(stdout);
    return 0;
  }
  if (argc == 7 && std::wstring(argv[1]) == L"--place") {
    const auto number = [&](int index) { return static_cast<int>(std::wcstol(argv[index], nullptr, 10)); };
    return SetWindowPos(WindowArgument(argv[2]), nullptr, number(3), number(4), number(5), number(6),
                        SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
  }
  WindowFilter filter;
  if (argc > 1) filter.wanted = argv[1];
  if (json) std::printf("{\"windows\": [");
  EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&filter));
  if (json) std::printf("]}\n");
  std::fflush(stdout);
  return 0;
}
