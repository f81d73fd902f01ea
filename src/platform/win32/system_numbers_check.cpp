// The portable code's copy of the system's numbers, checked against the SDK at compile time.
#include <windows.h>
#include <shellapi.h>

#include "platform/system_numbers.h"

namespace tarnwick::platform {

static_assert(kMsgDestroy == WM_DESTROY && kMsgSize == WM_SIZE && kMsgSetFocus == WM_SETFOCUS &&
              kMsgKillFocus == WM_KILLFOCUS && kMsgPaint == WM_PAINT && kMsgShowWindow == WM_SHOWWINDOW &&
              kMsgNcDestroy == WM_NCDESTROY && kMsgKeyDown == WM_KEYDOWN && kMsgKeyUp == WM_KEYUP);
static_assert(kMsgMouseMove == WM_MOUSEMOVE && kMsgLButtonDown == WM_LBUTTONDOWN &&
              kMsgLButtonUp == WM_LBUTTONUP && kMsgLButtonDblClk == WM_LBUTTONDBLCLK &&
              kMsgRButtonDown == WM_RBUTTONDOWN && kMsgRButtonUp == WM_RBUTTONUP &&
              kMsgRButtonDblClk == WM_RBUTTONDBLCLK && kMsgMButtonDown == WM_MBUTTONDOWN &&
              kMsgMButtonUp == WM_MBUTTONUP && kMsgMButtonDblClk == WM_MBUTTONDBLCLK &&
              kMsgMouseLeave == WM_MOUSELEAVE);
static_assert(kMkLButton == MK_LBUTTON && kMkRButton == MK_RBUTTON && kMkMButton == MK_MBUTTON);
static_assert(kGwlStyle == GWL_STYLE && kGwlExStyle == GWL_EXSTYLE);
static_assert(static_cast<DWORD>(kWsCaption) == WS_CAPTION && static_cast<DWORD>(kWsSysMenu) == WS_SYSMENU &&
              static_cast<DWORD>(kWsPopup) == WS_POPUP && static_cast<DWORD>(kWsExLayered) == WS_EX_LAYERED);
static_assert(kLwaAlpha == LWA_ALPHA && kSmCyCaption == SM_CYCAPTION);
static_assert(kMbOk == MB_OK && kMbYesNo == MB_YESNO && kMbIconInformation == MB_ICONINFORMATION);
static_assert(kIdOk == IDOK && kIdYes == IDYES && kIdNo == IDNO && kSwShowNormal == SW_SHOWNORMAL);
static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP);
static_assert(kOsVersionInfoSize == sizeof(OSVERSIONINFOA));
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND && kErrorPathNotFound == ERROR_PATH_NOT_FOUND &&
              kErrorDirectory == ERROR_DIRECTORY && kErrorInvalidWindowHandle == ERROR_INVALID_WINDOW_HANDLE);

}  // namespace tarnwick::platform
