// Holds a known number of objects until it is ended, so that the end-to-end checks can see that
// process_probe.exe counts what a program holds: one visible window with WINDOWS child windows,
// BRUSHES solid brushes (GDI objects) and MEGABYTES of private memory, every page written.
// Usage: resource_holder.exe WINDOWS BRUSHES MEGABYTES
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

int Number(const wchar_t* text) { return static_cast<int>(std::wcstol(text, nullptr, 10)); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const HWND window = CreateWindowExW(0, L"STATIC", L"Holder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return 1;
  for (int child = 0; child < Number(argv[1]); ++child) {
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, window, nullptr, nullptr, nullptr);
  }
  std::vector<HBRUSH> brushes;
  for (int brush = 0; brush < Number(argv[2]); ++brush) brushes.push_back(CreateSolidBrush(RGB(brush % 256, 0, 0)));
  const SIZE_T bytes = static_cast<SIZE_T>(Number(argv[3])) << 20;
  void* memory = bytes != 0 ? VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE) : nullptr;
  if (memory != nullptr) std::memset(memory, 1, bytes);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  for (const HBRUSH brush : brushes) DeleteObject(brush);
  if (memory != nullptr) VirtualFree(memory, 0, MEM_RELEASE);
  return 0;
}
