#pragma once
// The numbers the system gives its messages, styles, flags and answers, for the portable code
// that speaks the system's language (the launcher's logic, the button control, the simulated
// backend). They are written once, here; the Windows build checks each against the SDK.
#include <cstddef>
#include <cstdint>

namespace tarnwick::platform {

// Window messages.
inline constexpr std::uint32_t kMsgDestroy = 0x0002, kMsgSize = 0x0005, kMsgSetFocus = 0x0007,
                               kMsgKillFocus = 0x0008, kMsgPaint = 0x000F, kMsgShowWindow = 0x0018,
                               kMsgNcDestroy = 0x0082, kMsgKeyDown = 0x0100, kMsgKeyUp = 0x0101,
                               kMsgMouseMove = 0x0200, kMsgLButtonDown = 0x0201, kMsgLButtonUp = 0x0202,
                               kMsgLButtonDblClk = 0x0203, kMsgRButtonDown = 0x0204,
                               kMsgRButtonUp = 0x0205, kMsgRButtonDblClk = 0x0206,
                               kMsgMButtonDown = 0x0207, kMsgMButtonUp = 0x0208,
                               kMsgMButtonDblClk = 0x0209, kMsgMouseLeave = 0x02A3;

// Key-state bits of a mouse message's wParam.
inline constexpr std::uintptr_t kMkLButton = 0x01, kMkRButton = 0x02, kMkMButton = 0x10;

// Window-long indexes, styles and the layered-window opacity flag.
inline constexpr int kGwlStyle = -16, kGwlExStyle = -20;
inline constexpr std::int32_t kWsCaption = 0x00C00000, kWsSysMenu = 0x00080000,
                              kWsPopup = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t kWsExLayered = 0x00080000;
inline constexpr std::uint32_t kLwaAlpha = 2;

// System-metric index: the height of a window caption.
inline constexpr int kSmCyCaption = 4;

// Message-box styles and answers; the show command of a started program.
inline constexpr int kMbOk = 0, kMbYesNo = 4, kMbIconInformation = 64;
inline constexpr int kIdOk = 1, kIdYes = 6, kIdNo = 7;
inline constexpr int kSwShowNormal = 1;

// Notification-area messages and record flags.
inline constexpr std::uint32_t kNimAdd = 0, kNimModify = 1, kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 1, kNifIcon = 2, kNifTip = 4;

// Size of the single-byte version record (its size field tells the query which form it is).
inline constexpr std::uint32_t kOsVersionInfoSize = 148;

// Error codes.
inline constexpr std::uint32_t kErrorFileNotFound = 2, kErrorPathNotFound = 3, kErrorDirectory = 267,
                               kErrorInvalidWindowHandle = 1400;

}  // namespace tarnwick::platform
