#include "platform/win32/win32_process.h"

#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

// The process start's answer for a program whose manifest asks for raised rights (740); the
// mingw-w64 headers do not name it.
constexpr DWORD kErrorElevationRequired = 740;

// Why the process start failed. Only the need for raised rights leads to the elevation prompt.
platform::StartOutcome StartFailure(DWORD error) {
  switch (error) {
    case kErrorElevationRequired: return platform::StartOutcome::NeedsElevation;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_EXE_FORMAT: return platform::StartOutcome::NotAProgram;
    default: return platform::StartOutcome::Failed;
  }
}

// The full path of the program file that `program` names, searched as the process start
// searches (".exe" added to a name without extension), or nothing when it names no
// executable image: a document, a folder or a missing file.
std::optional<std::wstring> ProgramFile(const std::string& program) {
  const std::wstring name = Utf8ToWide(program);
  std::wstring found(MAX_PATH, L'\0');
  DWORD length = SearchPathW(nullptr, name.c_str(), L".exe", static_cast<DWORD>(found.size()), found.data(), nullptr);
  if (length >= found.size()) {
    found.resize(length);
    length = SearchPathW(nullptr, name.c_str(), L".exe", static_cast<DWORD>(found.size()), found.data(), nullptr);
  }
  if (length == 0 || length >= found.size()) return std::nullopt;
  found.resize(length);
  DWORD binary_type = 0;
  const DWORD attributes = GetFileAttributesW(found.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
  if (!GetBinaryTypeW(found.c_str(), &binary_type)) return std::nullopt;
  return found;
}

std::wstring CurrentFolder() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  return folder;
}

}  // namespace

platform::StartOutcome Win32Process::StartProgram(const std::string& command_line, int show_command) {
  // CreateProcessW may write into the command line, so it gets a private, terminated copy.
  std::wstring writable = Utf8ToWide(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_command);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return StartFailure(GetLastError());
  }
  ScopedKernelHandle process(started.hProcess);
  ScopedKernelHandle thread(started.hThread);
  return platform::StartOutcome::Started;
}

platform::StartOutcome Win32Process::StartElevated(const std::string& program, const std::string& arguments,
                                                   int show_command) {
  const std::optional<std::wstring> file = ProgramFile(program);
  if (!file) return platform::StartOutcome::NotAProgram;
  const std::wstring parameters = Utf8ToWide(arguments);
  const std::wstring folder = CurrentFolder();
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  // No error boxes of the shell's own, and no association: the verb goes to a program file.
  execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  execute.lpVerb = L"runas";
  execute.lpFile = file->c_str();
  execute.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  execute.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  execute.nShow = show_command;
  if (!ShellExecuteExW(&execute)) {
    return GetLastError() == ERROR_CANCELLED ? platform::StartOutcome::Cancelled : platform::StartOutcome::Failed;
  }
  return platform::StartOutcome::Started;
}

}  // namespace tarnwick::win32
