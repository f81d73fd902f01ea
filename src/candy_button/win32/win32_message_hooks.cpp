#include "candy_button/win32/win32_message_hooks.h"

#include <windows.h>
#include <commctrl.h>

#include <unordered_map>

#include "platform/win32/native_handle.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

// Windows of this thread bound to their targets; the hook procedure reads it.
std::unordered_map<HWND, platform::BoundWindowTarget*>& Bindings() {
  static std::unordered_map<HWND, platform::BoundWindowTarget*> bindings;
  return bindings;
}

LRESULT CALLBACK HookProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto found = Bindings().find(window);
  if (found == Bindings().end()) return DefWindowProcW(window, message, wparam, lparam);
  return found->second->OnBoundMessage({FromHwnd(window), message, wparam, lparam});
}

}  // namespace

bool Win32MessageHooks::IsWindow(platform::WindowHandle window) const {
  return window != platform::kNoWindow && ::IsWindow(ToHwnd(window));
}

bool Win32MessageHooks::IsWindowOfThisProcess(platform::WindowHandle window) const {
  DWORD process = 0;
  GetWindowThreadProcessId(ToHwnd(window), &process);
  return process == GetCurrentProcessId();
}

platform::BindResult Win32MessageHooks::Bind(platform::WindowHandle window,
                                             platform::BoundWindowTarget& target) {
  const HWND native = ToHwnd(window);
  if (!Bindings().emplace(native, &target).second) return {0, 0, true};
  SetLastError(0);
  const LONG_PTR previous =
      SetWindowLongPtrW(native, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookProcedure));
  if (previous != 0) return {static_cast<platform::ProcedureId>(previous), 0, false};
  const DWORD error = GetLastError();
  Bindings().erase(native);
  return {0, error, false};
}

void Win32MessageHooks::Unbind(platform::WindowHandle window, platform::ProcedureId previous) {
  const HWND native = ToHwnd(window);
  Bindings().erase(native);
  if (::IsWindow(native)) SetWindowLongPtrW(native, GWLP_WNDPROC, static_cast<LONG_PTR>(previous));
}

std::intptr_t Win32MessageHooks::CallProcedure(platform::ProcedureId procedure,
                                               const platform::WindowMessage& message) {
  return CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), ToHwnd(message.window),
                         message.message, message.wparam, message.lparam);
}

bool Win32MessageHooks::IsFunctionExported(std::string_view function, std::string_view module) {
  const std::wstring module_name = Utf8ToWide(std::string(module));
  const std::string function_name(function);
  if (HMODULE loaded = GetModuleHandleW(module_name.c_str()))
    return GetProcAddress(loaded, function_name.c_str()) != nullptr;
  // Not loaded: loaded for the lookup only, and unloaded again.
  const ScopedModule lookup(LoadLibraryExW(module_name.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  return lookup.Valid() && GetProcAddress(lookup.Get(), function_name.c_str()) != nullptr;
}

void Win32MessageHooks::RequestLeaveNotification(platform::WindowHandle window,
                                                 bool user32_tracking) {
  TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, ToHwnd(window), 0};
  if (user32_tracking)
    TrackMouseEvent(&request);
  else
    _TrackMouseEvent(&request);
}

void Win32MessageHooks::WriteErrorEntry(const std::string& text) {
  event_log_.Write("CandyButton", platform::EventLogType::Error, text);
}

void Win32MessageHooks::ShowWarning(const std::string& text, const std::string& title) {
  MessageBoxW(nullptr, Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(),
              MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
}

}  // namespace tarnwick::win32
