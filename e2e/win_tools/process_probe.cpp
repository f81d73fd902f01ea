// Reads from outside what a running program holds, as one JSON document with an entry per
// process whose image name is EXE-NAME:
//   {"processes": [{"pid": <n>, "user": <n>, "gdi": <n>, "private_kb": <n>, "counts": "system"|"tables"}]}
// user and gdi are the process's USER and GDI object counts as GetGuiResources gives them
// (counts=system). Where the system does not implement that call (Wine), they are counted from
// the system's own tables instead (counts=tables): user is the number of windows of the process
// (top-level, message-only and every child), gdi the number of live entries in the process's GDI
// handle table (-1 when that table cannot be found). private_kb is the process's private memory.
// The probe must be built for the same architecture as the program it reads.
// Usage: process_probe.exe EXE-NAME
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "platform/win32/scoped_handles.h"

namespace {

using tarnwick::win32::ScopedFile;
using tarnwick::win32::ScopedKernelHandle;

struct ObjectCounts {
  long user = 0;
  long gdi = 0;
  bool from_system = true;
};

struct WindowCount {
  DWORD process_id;
  DWORD windows = 0;
};

BOOL CALLBACK CountChild(HWND window, LPARAM state) {
  auto* count = reinterpret_cast<WindowCount*>(state);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count->process_id) ++count->windows;
  return TRUE;
}

// EnumChildWindows visits every descendant, not only the direct children.
BOOL CALLBACK CountTopLevel(HWND window, LPARAM state) {
  CountChild(window, state);
  EnumChildWindows(window, CountChild, state);
  return TRUE;
}

DWORD WindowsOf(DWORD process_id) {
  WindowCount count{process_id};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
    CountTopLevel(window, reinterpret_cast<LPARAM>(&count));
  }
  return count.windows;
}

// One entry of the GDI handle table of a process; a free entry has type 0. The layout is the
// same for 32- and 64-bit processes, and so is the table's size.
struct GdiHandleEntry {
  ULONGLONG object;
  ULONG owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  ULONGLONG user_pointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
using GdiTable = std::vector<GdiHandleEntry>;
constexpr SIZE_T kGdiTableEntries = 0x10000;
constexpr SIZE_T kGdiTableBytes = kGdiTableEntries * sizeof(GdiHandleEntry);
constexpr UCHAR kLastGdiType = 0x1f;
// Offset of the table's address in the process environment block.
constexpr SIZE_T kPebGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

bool ReadFrom(HANDLE process, const void* address, void* into, SIZE_T size) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, address, into, size, &read) && read == size;
}

// The process environment block of another process, through ntdll (looked up at run time, so
// the probe links nothing beyond the programs' own libraries).
const BYTE* PebOf(HANDLE process) {
  using QueryFunction = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<QueryFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return nullptr;
  return reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
}

bool ReadGdiTable(HANDLE process, const void* address, GdiTable& table) {
  table.resize(kGdiTableEntries);
  if (address == nullptr || !ReadFrom(process, address, table.data(), kGdiTableBytes)) return false;
  bool any_live = false;
  for (const GdiHandleEntry& entry : table) {
    if (entry.type > kLastGdiType) return false;
    any_live = any_live || entry.type != 0;
  }
  return any_live;
}

// The table that the process environment block points at. A 32-bit Wine process leaves that
// pointer empty; its table is then the one private read-write block of exactly the table's
// size whose entries all read as GDI entries.
bool FindGdiTable(HANDLE process, GdiTable& table) {
  const BYTE* peb = PebOf(process);
  const void* address = nullptr;
  if (peb != nullptr && ReadFrom(process, peb + kPebGdiTableOffset, &address, sizeof address) && address != nullptr) {
    return ReadGdiTable(process, address, table);
  }
  int found = 0;
  GdiTable candidate;
  MEMORY_BASIC_INFORMATION block{};
  for (const BYTE* at = nullptr; VirtualQueryEx(process, at, &block, sizeof block) == sizeof block;
       at = static_cast<const BYTE*>(block.BaseAddress) + block.RegionSize) {
    if (block.State == MEM_COMMIT && block.Type == MEM_PRIVATE && block.Protect == PAGE_READWRITE &&
        block.RegionSize == kGdiTableBytes && ReadGdiTable(process, block.BaseAddress, candidate)) {
      table.swap(candidate);
      ++found;
    }
  }
  return found == 1;
}

// Live entries of the process's GDI handle table, or -1 when the table cannot be read.
long GdiTableEntriesOf(HANDLE process) {
  GdiTable table;
  if (!FindGdiTable(process, table)) return -1;
  long live = 0;
  for (const GdiHandleEntry& entry : table) live += entry.type != 0 ? 1 : 0;
  return live;
}

ObjectCounts CountsOf(HANDLE process, DWORD process_id) {
  ObjectCounts counts;
  SetLastError(ERROR_SUCCESS);
  counts.gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
  if (counts.gdi == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
    counts.from_system = false;
    counts.gdi = GdiTableEntriesOf(process);
    counts.user = static_cast<long>(WindowsOf(process_id));
    return counts;
  }
  counts.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
  return counts;
}

// PrivateUsage; Windows gives the same figure as PagefileUsage (the commit charge), and Wine
// fills only the latter for another process (from the resident anonymous and swapped memory).
unsigned long long PrivateKilobytesOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) return 0;
  const SIZE_T bytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
  return bytes / 1024;
}

// The process's entry, after `separator` (the list's comma); false when it cannot be opened.
bool Report(DWORD process_id, const char* separator) {
  const ScopedKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process_id));
  if (!process.Valid()) return false;
  const ObjectCounts counts = CountsOf(process.Get(), process_id);
  std::printf("%s\n  {\"pid\": %lu, \"user\": %ld, \"gdi\": %ld, \"private_kb\": %llu, \"counts\": \"%s\"}", separator,
              process_id, counts.user, counts.gdi, PrivateKilobytesOf(process.Get()),
              counts.from_system ? "system" : "tables");
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: process_probe.exe EXE-NAME\n");
    return 2;
  }
  const ScopedFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));  // fails as a file does
  if (!snapshot.Valid()) return 1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  bool first = true;
  std::printf("{\"processes\": [");
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
    if (_wcsicmp(entry.szExeFile, argv[1]) == 0 && Report(entry.th32ProcessID, first ? "" : ",")) first = false;
  }
  std::printf("]}\n");
  std::fflush(stdout);
  return 0;
}
