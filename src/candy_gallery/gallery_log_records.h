#pragma once
// The records of the gallery's log file: one JSON object a line, each with a "record" field that
// says what it is, so that a check reads the log with a JSON reader:
//   {"record": "status", "text": "..."}           the status line the gallery starts with
//   {"record": "place", "button": "Style 2", "x": 24, "y": 60, "width": 150, "height": 48}
//                                                  a button's place on the screen, in pixels
//   {"record": "cursors", "hand": 65682, "arrow": 65604}   the system's shared pointer handles
//   {"record": "objects", "user": 12, "gdi": 85, "user_counted": "windows", "gdi_counted": "probed"}
//   {"record": "dpi", "dpi": 144}                  the gallery laid itself out again at that dpi
//   {"record": "ready"}                            the window shows, every button placed
//   {"record": "event", "event": "MouseDown", "button": "Style 2",
//    "mouse": {"button": 1, "shift": 0, "x": 75, "y": 24}}   an event a button raised ("mouse"
//                                                  only for MouseMove, MouseUp and MouseDown)
#include <string>
#include <string_view>

#include "candy_button/control_host.h"
#include "candy_gallery/gallery_layout.h"

namespace tarnwick::gallery {

std::string StatusRecord(std::string_view text);
std::string PlaceRecord(std::string_view button_name, const Rect& place);
std::string CursorsRecord(unsigned hand, unsigned arrow);
// How each count was made: "system" (the system's own count), "windows" or "probed".
std::string ObjectsRecord(unsigned user, unsigned gdi, std::string_view user_counted, std::string_view gdi_counted);
std::string DpiRecord(int dpi);
std::string ReadyRecord();
std::string EventRecord(const candy::CandyEvent& event, std::string_view button_name);

}  // namespace tarnwick::gallery
