// Prints the handle of the mouse pointer the system shows now, as one JSON document:
//   {"cursor": 65682}
// (the low 32 bits, which are the handle's value in every process).
#include <windows.h>

#include <cstdint>
#include <cstdio>

int wmain() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info)) return 1;
  std::printf("{\"cursor\": %u}\n", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(info.hCursor)));
  return 0;
}
