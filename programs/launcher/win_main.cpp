// The program's entry: builds the Windows backend, runs the start-up (the splash window's load
// handler), and then serves window messages until the program ends.
#include <windows.h>

#include "app/launcher_program.h"
#include "common/edition.h"
#include "common/titles.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_ini.h"
#include "platform/win32/win32_platform.h"

namespace {

int RunMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace tarnwick;
  win32::Win32CodePage ansi;
  win32::Win32Ini ini;
  win32::Win32Platform backend(instance, titles::ApplicationTitle(kBuiltEdition), ini, ansi);
  platform::Platform& platform = backend.Ports();

  app::LauncherProgram program(platform, kBuiltEdition);
  program.Start();
  if (platform.app.HasEnded()) return 0;
  return RunMessageLoop();
}
