#pragma once
// A folder view filling a control's window: the shell's explorer browser, showing the contents
// of one local folder at a time.
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

  // Shows the folder at `location`; false when there is no view or no such folder.
  bool Navigate(const std::string& location);
  // Fills `host`'s client area again after the host changed its size.
  void FitTo(HWND host);

 private:
  ComPtr<IExplorerBrowser> browser_;
};

}  // namespace tarnwick::win32
