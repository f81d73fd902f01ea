#include "platform/win32/shell_notice_filter.h"

namespace tarnwick::win32 {
namespace {

// MSGFLT_ALLOW and MSGFLT_ADD: both calls take 1 to let a message through.
constexpr DWORD kAllowMessage = 1;

using WindowFilterCall = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
using ProgramFilterCall = BOOL(WINAPI*)(UINT, DWORD);

template <typename Call>
Call UserCall(const char* name) {
  HMODULE user = GetModuleHandleW(L"user32.dll");
  if (user == nullptr) return nullptr;
  // The cast goes through a plain function pointer type, as GetProcAddress's result must.
  return reinterpret_cast<Call>(reinterpret_cast<void (*)()>(GetProcAddress(user, name)));
}

}  // namespace

bool AllowShellRestartNotice(HWND window, UINT notice) {
  if (notice == 0) return false;
  static const auto per_window = UserCall<WindowFilterCall>("ChangeWindowMessageFilterEx");
  if (per_window != nullptr) return per_window(window, notice, kAllowMessage, nullptr) != FALSE;
  static const auto per_program = UserCall<ProgramFilterCall>("ChangeWindowMessageFilter");
  if (per_program != nullptr) return per_program(notice, kAllowMessage) != FALSE;
  return true;
}

}  // namespace tarnwick::win32
