#pragma once
// The system's modal pieces: message boxes, pop-up menus, and finding a window by its title.
#include <windows.h>

#include <string>
#include <vector>

namespace tarnwick::win32 {

// A task-modal message box (every window of the program is disabled while it is open).
int ShowModalMessageBox(const std::string& text, const std::string& caption, int style);

// A pop-up menu at the pointer, owned by `owner`; the chosen item's index or -1.
int TrackPopupAtPointer(HWND owner, const std::vector<std::string>& items);

// The visible top-level window whose title equals `title`, else the first that begins with it.
HWND FindWindowByTitle(const std::string& title);

}  // namespace tarnwick::win32
