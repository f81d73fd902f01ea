#pragma once
// Why a location cannot be shown as a folder, in the system's own terms: its error number and
// the system's text for it.
#include <windows.h>

#include <string>

namespace tarnwick::win32 {

// 0 when `full_path` (in the system's full form) names an existing folder; else the system's
// error for it: what looking it up reported (path or file not found, access denied ...), or
// ERROR_DIRECTORY when it names something that is no folder.
DWORD FolderProblem(const std::wstring& full_path);

// The error a failed shell call reports: its Win32 error where it carries one, else the result.
DWORD ErrorOfResult(HRESULT result);

// The system's text for an error number in the user's language, UTF-8; empty when it has none.
std::string SystemMessageText(DWORD error);

}  // namespace tarnwick::win32
