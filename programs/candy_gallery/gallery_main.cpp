// CandyGallery: real candy buttons to touch. The buttons are described by CandyGallery.txt
// beside the program (written with the defaults when it is missing).
//   CandyGallery.exe [--log <file>]   --log writes every event, the buttons' places and the
//                                      process's object counts (every 2 s) to <file>, one JSON
//                                      record a line.
// Other arguments are ignored.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <string>
#include <vector>

#include "programs/candy_gallery/gallery_window.h"

namespace {

using namespace tarnwick;

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> arguments(list ? list : nullptr, list ? list + count : nullptr);
  if (list) LocalFree(list);
  return arguments;
}

std::filesystem::path ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
    path.resize(path.size() * 2);
  path.resize(length);
  return std::filesystem::path(path).parent_path();
}

int RunMessageLoop(HWND gallery) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(gallery, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::vector<std::wstring> arguments = Arguments();
  win32::GalleryLog log;
  for (std::size_t i = 1; i + 1 < arguments.size(); ++i)
    if (arguments[i] == L"--log") log = win32::GalleryLog(arguments[i + 1]);
  const std::filesystem::path folder = ProgramFolder();
  SetCurrentDirectoryW(folder.c_str());  // picture names in the description are beside us
  const gallery::GalleryDescription description = gallery::LoadGalleryDescription(folder);
  std::unique_ptr<win32::GalleryWindow> window = win32::GalleryWindow::Create(description, log);
  if (!window) {
    MessageBoxW(nullptr, L"The gallery window could not be created.", L"Candy Gallery",
                MB_OK | MB_ICONEXCLAMATION);
    return 1;
  }
  window->Show();
  return RunMessageLoop(window->Handle());
}
