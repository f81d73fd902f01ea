// Stands in for a restart of the desktop shell, as far as one program's tray icon is concerned:
// the icon (window <hex>, identifier 1) leaves the notification area, then the message that a
// restarted shell broadcasts to every top-level window goes out.
// Usage: shell_restart.exe <window handle in hex>          (icon removed, restart announced)
//        shell_restart.exe --remove-only <window in hex>   (icon removed, nothing announced)
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
  const bool announce = !(argc == 3 && std::wstring(argv[1]) == L"--remove-only");
  if (argc != (announce ? 2 : 3)) return 2;
  NOTIFYICONDATAW icon{};
  icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
  icon.hWnd = static_cast<HWND>(ULongToHandle(std::wcstoul(argv[argc - 1], nullptr, 16)));
  icon.uID = 1;
  if (!Shell_NotifyIconW(NIM_DELETE, &icon)) return 1;
  if (announce) SendNotifyMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  return 0;
}
