// The program's entry: builds the Windows backend, loads the splash window, whose load handler
// runs the whole start-up, and then serves window messages until the program ends.
#include <windows.h>

#include <optional>

#include "app/form_x.h"
#include "common/edition.h"
#include "common/titles.h"
#include "main_window/form1.h"
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

  // The main window is constructed when it is first shown.
  std::optional<main_window::Form1> main_window;
  const auto show_main_window = [&] {
    if (!main_window) {
      main_window.emplace(platform, kBuiltEdition);
      main_window->Form_Load();
    }
    main_window->Show();
  };
  app::FormX formx(platform, kBuiltEdition, show_main_window);
  formx.Form_Load();
  if (platform.app.HasEnded()) return 0;
  return RunMessageLoop();
}
