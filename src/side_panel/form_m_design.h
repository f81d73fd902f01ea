#pragma once
// The side panel as designed: a fixed-single window with a title bar, 15255 x 4335 twips of
// client area on dark grey, seven folder tabs, three program buttons, an About button, the
// folder view and four stopped animation timers.
#include "common/edition.h"
#include "platform/picture_port.h"
#include "platform/window_spec.h"

namespace tarnwick::side_panel {

inline constexpr int kFirstFolderTab = 1, kLastFolderTab = 7;
inline constexpr int kAboutButton = 8;
inline constexpr int kFirstProgramButton = 11, kLastProgramButton = 13;
inline constexpr int kWebBrowser1 = 21;
inline constexpr int kTimer0 = 0, kTimer1 = 1, kTimer2 = 2, kTimer3 = 3;
// Width of the LE edition's panel, twips; its first placement reckons with 15375 instead.
inline constexpr float kLePanelWidth = 15340, kLeFirstPlacementWidth = 15375;

platform::WindowSpec FormMDesign(Edition edition, platform::PicturePort& pictures);

}  // namespace tarnwick::side_panel
