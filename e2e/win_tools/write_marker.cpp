// A program for the launch checks to start: appends its second argument, as one line, to the
// file named by its first, then ends.
// Usage: write_marker.exe <marker file> <word>
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  FILE* marker = _wfopen(argv[1], L"a");
  if (marker == nullptr) return 1;
  std::fprintf(marker, "%ls\n", argv[2]);
  return std::fclose(marker) == 0 ? 0 : 1;
}
