// Checks the Windows message-hook backend and the engine on real windows (run under Wine by
// e2e/test_hook_backend.py): the procedure replaced and put back exactly, wide window text
// kept, the passes and the owner's handled flag, a release during a nested message waiting for
// the outermost call, a window destroyed while hooked, a window of another process, hooking
// twice, and the exported-function lookups. Reports are recorded instead of shown.
// Prints one line per check and exits with the number of failed checks.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "candy_button/hook_engine.h"
#include "candy_button/win32/win32_message_hooks.h"
#include "platform/win32/native_handle.h"
#include "platform/win32/win32_event_log.h"

namespace {

using namespace tarnwick;

int failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
  if (!ok) ++failures;
}

struct QuietHooks : win32::Win32MessageHooks {
  void ShowWarning(const std::string& text, const std::string& title) override {
    warnings.push_back(title + ": " + text);
  }
  std::vector<std::string> warnings;
};

struct Owner : candy::HookOwner {
  void OnHookMessage(bool before, bool& handled, std::intptr_t& value, platform::WindowHandle,
                     std::uint32_t message, std::uintptr_t, std::intptr_t, std::int32_t&) override {
    calls.push_back(std::string(before ? "before " : "after ") + std::to_string(message));
    if (before && message == WM_USER + 2) {
      handled = true;
      value = 77;
    }
    if (action) action(message);
  }
  std::vector<std::string> calls;
  std::function<void(std::uint32_t)> action;
};

std::function<void(UINT)> g_during_own;
std::vector<UINT> g_own;

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= WM_USER) {
    g_own.push_back(message);
    if (g_during_own) g_during_own(message);
    return 1000 + (message - WM_USER);
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND NewWindow() {
  static const bool registered = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = OwnProcedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"HookSelftest";
    return RegisterClassW(&window_class) != 0;
  }();
  if (!registered) return nullptr;
  return CreateWindowExW(0, L"HookSelftest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

LONG_PTR ProcedureOf(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

void CheckReplacementAndText(QuietHooks& hooks, candy::HookEngine& engine) {
  HWND window = NewWindow();
  const LONG_PTR own = ProcedureOf(window);
  Check(engine.sc_Subclass(win32::FromHwnd(window)), "a window of this process is hooked");
  Check(ProcedureOf(window) != own, "its procedure was replaced");
  const wchar_t text[] = L"Wide \u00dcml\u00e4ut \uD55C\uAE00";
  SetWindowTextW(window, text);
  wchar_t back[64] = {};
  GetWindowTextW(window, back, 64);
  Check(std::wstring(back) == text && IsWindowUnicode(window), "the window's text stays wide");
  engine.sc_UnSubclass(win32::FromHwnd(window));
  SendMessageW(window, WM_USER, 0, 0);
  Check(ProcedureOf(window) == own, "the release puts the very same procedure back");
  Check(hooks.warnings.empty(), "no reports so far");
  DestroyWindow(window);
}

void CheckPassesAndNestedRelease(Owner& owner, candy::HookEngine& engine) {
  HWND window = NewWindow();
  const platform::WindowHandle handle = win32::FromHwnd(window);
  const LONG_PTR own = ProcedureOf(window);
  g_own.clear();
  engine.sc_Subclass(handle);
  engine.HookAddMessage(handle, WM_USER + 1, candy::HOOK_BEFORE | candy::HOOK_AFTER);
  engine.HookAddMessage(handle, WM_USER + 2, candy::HOOK_BEFORE | candy::HOOK_AFTER);
  Check(SendMessageW(window, WM_USER + 1, 0, 0) == 1001, "a hooked message reaches the window");
  Check(SendMessageW(window, WM_USER + 2, 0, 0) == 77 && g_own.size() == 1,
        "handled in the before pass: the window's procedure is skipped");
  Check(owner.calls == std::vector<std::string>{"before 1025", "after 1025", "before 1026"},
        "before, after, and no after pass for a handled message");
  LONG_PTR inside = 0;
  g_during_own = [&](UINT message) {
    if (message != WM_USER + 3) return;
    SendMessageW(window, WM_USER + 1, 0, 0);  // nested: its callback asks for the release
    inside = ProcedureOf(window);
  };
  owner.action = [&](std::uint32_t message) {
    if (message == WM_USER + 1) engine.sc_UnSubclass(handle);
  };
  SendMessageW(window, WM_USER + 3, 0, 0);
  Check(inside != own && ProcedureOf(window) == own,
        "a release during a nested message waits for the outermost call");
  g_during_own = nullptr;
  owner.action = nullptr;
  DestroyWindow(window);
}

void CheckDestructionAndMisuse(QuietHooks& hooks, candy::HookEngine& engine) {
  HWND window = NewWindow();
  const platform::WindowHandle handle = win32::FromHwnd(window);
  engine.sc_Subclass(handle);
  engine.sc_Subclass(handle);
  DestroyWindow(window);
  engine.HookTerminateAll();
  engine.sc_Subclass(win32::FromHwnd(GetDesktopWindow()));
  engine.sc_Subclass(handle);
  const std::vector<std::string> expected{
      "Error in CandyButton.sc_Subclass: Window handle is already subclassed.",
      "Error in CandyButton.sc_Subclass: Window handle belongs to another process.",
      "Error in CandyButton.sc_Subclass: Invalid window handle."};
  Check(hooks.warnings == expected, "hooking twice, the desktop's window and a destroyed one are reported");
  for (const std::string& warning : hooks.warnings) std::printf("  %s\n", warning.c_str());
}

void CheckExports(QuietHooks& hooks) {
  Check(hooks.IsFunctionExported("TrackMouseEvent", "User32"), "user32 exports TrackMouseEvent");
  Check(hooks.IsFunctionExported("_TrackMouseEvent", "Comctl32"), "comctl32 exports _TrackMouseEvent");
  Check(!hooks.IsFunctionExported("NoSuchFunction", "User32"), "a missing name is not exported");
  Check(!hooks.IsFunctionExported("TrackMouseEvent", "NoSuchModule"), "a missing module exports nothing");
  const bool version_loaded = GetModuleHandleW(L"Version") != nullptr;
  Check(hooks.IsFunctionExported("GetFileVersionInfoW", "Version") &&
            (GetModuleHandleW(L"Version") != nullptr) == version_loaded,
        "a module loaded for the lookup is unloaded again");
  Check(win32::Win32EventLog().Write("CandyButton", platform::EventLogType::Error, "hook self-check"),
        "an error entry is written to the application log");
}

}  // namespace

int wmain() {
  QuietHooks hooks;
  Owner owner;
  {
    candy::HookEngine engine(hooks, owner, "CandyButton");
    Check(!hooks.IsWindow(0) && !hooks.IsWindowOfThisProcess(win32::FromHwnd(GetDesktopWindow())),
          "window 0 is no window; the desktop's window is another process's");
    CheckReplacementAndText(hooks, engine);
    CheckPassesAndNestedRelease(owner, engine);
    CheckDestructionAndMisuse(hooks, engine);
  }
  CheckExports(hooks);
  std::printf("%d check(s) failed\n", failures);
  return failures;
}
