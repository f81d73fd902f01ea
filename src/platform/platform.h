#pragma once
// The set of ports a program runs against. A backend (win32 or sim) provides one of these.
#include "platform/ansi_code_page.h"
#include "platform/application_port.h"
#include "platform/clock_port.h"
#include "platform/event_log_port.h"
#include "platform/folder_view_port.h"
#include "platform/ini_port.h"
#include "platform/picture_port.h"
#include "platform/process_port.h"
#include "platform/tray_port.h"
#include "platform/window_port.h"
#include "platform/window_style_port.h"

namespace tarnwick::platform {

struct Platform {
  WindowPort& windows;
  WindowStylePort& styles;
  IniPort& ini;
  AnsiCodePage& ansi;
  TrayPort& tray;
  ApplicationPort& app;
  ClockPort& clock;
  ProcessPort& processes;
  FolderViewPort& folder_view;
  PicturePort& pictures;
  EventLogPort& event_log;
};

}  // namespace tarnwick::platform
