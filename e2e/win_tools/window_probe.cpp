// Lists the top-level windows of the running programs as one JSON document, so the end-to-end
// checks can see what the launcher shows from outside its process:
//   {"windows": [{"handle": "<hex>", "exe", "visible", "class", "rect": [l, t, r, b], "exstyle",
//                 "owner": "<hex>", "title", "client": [l, t, r, b],
//                 "children": [{"class", "rect", "visible", "text"}]}]}
// Rectangles are in screen pixels ("client": the client area). Also
//   {"processes": ["<path>", ...]}   and for --state {"iconic", "enabled", "foreground", "style"}.
// Usage: window_probe.exe [EXE-NAME]   (only windows of that program; visible or not)
//        window_probe.exe --processes  (the path of every running program)
//        window_probe.exe --hide <hex> (hides that window, as a program could from outside)
//        window_probe.exe --place <hex> <left> <top> <width> <height>  (moves and sizes it)
//        window_probe.exe --minimise <hex> (minimises it, as the shell does for Win+Down)
//        window_probe.exe --state <hex>  (its state)
//        window_probe.exe --activate <hex> (brings it in front, as a click on it would)
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <utility>

#include "platform/common/json_text.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace {

using tarnwick::win32::ScopedFile;
using tarnwick::win32::ScopedKernelHandle;
using tarnwick::win32::WideToUtf8;

// A comma before every element of a JSON list but the first.
struct ListSeparator {
  bool first = true;
  const char* operator()() { return std::exchange(first, false) ? "" : ","; }
};

std::string Json(const std::wstring& text) { return tarnwick::platform::JsonQuoted(WideToUtf8(text)); }

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
  const ScopedKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  if (!process.Valid()) return L"?";
  wchar_t path[MAX_PATH] = L"";
  DWORD size = MAX_PATH;
  QueryFullProcessImageNameW(process.Get(), 0, path, &size);
  return path;
}

std::wstring ExeOf(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  const std::wstring full = ImagePathOf(process_id);
  return full.substr(full.find_last_of(L"\\/") + 1);
}

int ListProcesses() {
  const ScopedFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));  // fails as a file does
  if (!snapshot.Valid()) return 1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  ListSeparator separator;
  std::printf("{\"processes\": [");
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
    std::printf("%s\n  %s", separator(), Json(ImagePathOf(entry.th32ProcessID)).c_str());
  }
  std::printf("]}\n");
  return 0;
}

void PrintRect(const RECT& rect) { std::printf("[%ld, %ld, %ld, %ld]", rect.left, rect.top, rect.right, rect.bottom); }

BOOL CALLBACK ListChild(HWND child, LPARAM separator) {
  RECT rect{};
  GetWindowRect(child, &rect);
  std::printf("%s\n    {\"class\": %s, \"rect\": ", (*reinterpret_cast<ListSeparator*>(separator))(),
              Json(ClassOf(child)).c_str());
  PrintRect(rect);
  std::printf(", \"visible\": %s, \"text\": %s}", IsWindowVisible(child) ? "true" : "false",
              Json(TextOf(child)).c_str());
  return TRUE;
}

struct WindowFilter {
  std::wstring wanted;  // the program whose windows to list, or empty: every visible window
  ListSeparator separator;
};

BOOL CALLBACK ListWindow(HWND window, LPARAM filter_address) {
  const std::wstring exe = ExeOf(window);
  auto& filter = *reinterpret_cast<WindowFilter*>(filter_address);
  const std::wstring& wanted = filter.wanted;
  if (wanted.empty() ? !IsWindowVisible(window) : _wcsicmp(exe.c_str(), wanted.c_str()) != 0) return TRUE;
  RECT rect{};
  GetWindowRect(window, &rect);
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::printf("%s\n  {\"handle\": \"%lx\", \"exe\": %s, \"visible\": %s, \"class\": %s, \"rect\": ", filter.separator(),
              static_cast<unsigned long>(HandleToULong(window)), Json(exe).c_str(),
              IsWindowVisible(window) ? "true" : "false", Json(ClassOf(window)).c_str());
  PrintRect(rect);
  std::printf(", \"exstyle\": %lu, \"owner\": \"%lx\", \"title\": %s, \"client\": ",
              static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
              static_cast<unsigned long>(HandleToULong(GetWindow(window, GW_OWNER))), Json(TextOf(window)).c_str());
  PrintRect(client);
  std::printf(", \"children\": [");
  ListSeparator children;
  EnumChildWindows(window, ListChild, reinterpret_cast<LPARAM>(&children));
  std::printf("]}");
  return TRUE;
}

HWND WindowArgument(const wchar_t* hex) { return static_cast<HWND>(ULongToHandle(std::wcstoul(hex, nullptr, 16))); }

int Answer(int argc, wchar_t** argv) {
  if (argc > 1 && std::wstring(argv[1]) == L"--processes") return ListProcesses();
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
    std::printf("{\"iconic\": %d, \"enabled\": %d, \"foreground\": %d, \"style\": %lu}\n", IsIconic(window) ? 1 : 0,
                IsWindowEnabled(window) ? 1 : 0, GetForegroundWindow() == window ? 1 : 0,
                static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    return 0;
  }
  if (argc == 7 && std::wstring(argv[1]) == L"--place") {
    const auto number = [&](int index) { return static_cast<int>(std::wcstol(argv[index], nullptr, 10)); };
    return SetWindowPos(WindowArgument(argv[2]), nullptr, number(3), number(4), number(5), number(6),
                        SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 1;
  }
  WindowFilter filter;
  if (argc > 1) filter.wanted = argv[1];
  std::printf("{\"windows\": [");
  EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&filter));
  std::printf("]}\n");
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int status = Answer(argc, argv);
  std::fflush(stdout);
  return status;
}
