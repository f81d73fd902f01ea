#pragma once
// The system's modal pieces: message boxes, pop-up menus, and finding a window by its title.
#include <windows.h>

#include <string>
#include <vector>

namespace tarnwick::win32 {

// A message box owned by `owner` (which may be hidden), modal to the whole program: every
// window of the program is disabled while it is open. Owned, it gets no task-list entry.
int ShowModalMessageBox(HWND owner, const std::string& text, const std::string& caption, int style);

// For WM_SETCURSOR (its LPARAM): a mouse press on a window that an open message box disabled
// brings the box in front, as the person clicking there is looking for it.
void BringModalBoxForwardOnPress(LPARAM set_cursor_arguments);

// A pop-up menu at the pointer, owned by `owner`; the chosen item's index or -1.
int TrackPopupAtPointer(HWND owner, const std::vector<std::string>& items);

// The visible top-level window whose title equals `title`, else the first that begins with it.
HWND FindWindowByTitle(const std::string& title);

}  // namespace tarnwick::win32
