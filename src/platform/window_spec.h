#pragma once
// The design of a window: its frame, size, colours and controls. Logic describes a window with
// this plain record; the backend builds the native window from it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/picture.h"

namespace tarnwick::platform {

enum class FrameStyle {
  None,         // no border and no title bar
  FixedSingle,  // fixed single border with a title bar, not resizable
};

enum class ControlKind {
  Image,       // picture control: shows a picture, optionally stretched; clickable
  PictureBox,  // picture box: shows a picture at natural size
  Label,       // static text
  FolderView,  // embedded browser showing a folder
};

struct ControlSpec {
  int id = 0;  // the control's number (Image7 -> 7); unique within its window per kind
  ControlKind kind = ControlKind::Image;
  int left = 0, top = 0, width = 0, height = 0;  // twips, client coordinates
  bool stretch = true;                           // Image: scale picture to the control
  Picture picture;                               // design picture
  std::string text;                              // Label text
  std::uint32_t fore_color = 0x000000;           // Label text colour, 0x00BBGGRR
  std::string font_name;                         // Label font
  int font_points = 0;
};

// A picture control (Image) at a place in twips, showing `picture` stretched to its size.
inline ControlSpec ImageControl(int id, int left, int top, int width, int height, Picture picture) {
  ControlSpec control;
  control.id = id;
  control.kind = ControlKind::Image;
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.picture = std::move(picture);
  return control;
}

struct TimerSpec {
  int id = 0;
  int interval_ms = 0;  // 0: stopped
};

struct WindowSpec {
  std::string caption;
  FrameStyle frame = FrameStyle::None;
  int client_width = 0, client_height = 0;  // twips
  std::uint32_t back_color = 0;             // 0x00BBGGRR
  bool with_icon = false;                   // carries the program icon
  bool centred = false;                     // place in the middle of the screen when created
  std::vector<ControlSpec> controls;
  std::vector<TimerSpec> timers;
};

}  // namespace tarnwick::platform
