#pragma once
// A folder view filling a control's window: the shell's explorer browser, showing the contents
// of one local folder at a time. A location that is no folder the view can show empties the
// view: the browser goes, and the control's window shows a notice in its place instead (what
// is missing, and the system's reason), until a later location is a folder again.
#include <windows.h>
#include <shobjidl.h>

#include <string>

#include "platform/win32/com_support.h"
#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

class FolderViewHost {
 public:
  // Builds the view inside `host` (needs COM on this thread); empty when the system has none.
  explicit FolderViewHost(HWND host);
  ~FolderViewHost();
  FolderViewHost(const FolderViewHost&) = delete;
  FolderViewHost& operator=(const FolderViewHost&) = delete;

  // Shows the folder at `location`; false when there is no view or no such folder (the notice
  // then shows instead).
  bool Navigate(const std::string& location);
  // Draws the notice, when one stands in place of the view, into `area` of the host's `dc`.
  void PaintNotice(HDC dc, const RECT& area) const;
  // Fills `host`'s client area again after the host changed its size.
  void FitTo(HWND host);

 private:
  bool CreateBrowser();
  void DestroyBrowser();
  void ShowNotice(const std::string& location, DWORD error);
  void SetNotice(std::wstring notice);

  HWND host_;
  ComPtr<IExplorerBrowser> browser_;
  std::wstring notice_;  // empty while a folder (or nothing yet) is on view
};

}  // namespace tarnwick::win32
