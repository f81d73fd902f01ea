// Prints the handle of the mouse pointer the system shows now, as one JSON document:
//   {"cursor": "0x10092"}
// (the low 32 bits in hex, which are the handle's value in every process).
#include <windows.h>

#include <cstdint>
#include <cstdio>

int wmain() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info)) return 1;
  std::printf("{\"cursor\": \"0x%x\"}\n", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(info.hCursor)));
  return 0;
}
