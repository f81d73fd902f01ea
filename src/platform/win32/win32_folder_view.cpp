#include "platform/win32/win32_folder_view.h"

namespace tarnwick::win32 {

bool Win32FolderView::Navigate(platform::WindowHandle, int, const std::string&) { return false; }

}  // namespace tarnwick::win32
