#include "programs/candy_gallery/object_counts.h"

#include <windows.h>

#include "candy_gallery/gallery_log_records.h"

namespace tarnwick::win32 {
namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<unsigned*>(count);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<unsigned*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

unsigned CountWindows() {
  unsigned count = 0;
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  return count;
}

// A GDI handle names its table slot in its low 16 bits; Wine accepts the slot number alone.
unsigned ProbeGdiTable() {
  unsigned count = 0;
  for (unsigned slot = 1; slot <= 0xFFFF; ++slot)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(slot))) != 0) ++count;
  return count;
}

}  // namespace

ObjectCounts CountObjects() {
  ObjectCounts counts;
  counts.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  counts.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counts.user == 0) {
    counts.user = CountWindows();
    counts.user_counts_windows = true;
  }
  if (counts.gdi == 0) {
    counts.gdi = ProbeGdiTable();
    counts.gdi_probed = true;
  }
  return counts;
}

std::string DescribeObjectCounts(const ObjectCounts& counts) {
  return gallery::ObjectsRecord(counts.user, counts.gdi, counts.user_counts_windows ? "windows" : "system",
                                counts.gdi_probed ? "probed" : "system");
}

}  // namespace tarnwick::win32
