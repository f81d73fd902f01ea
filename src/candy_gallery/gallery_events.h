#pragma once
// What the gallery shows of the events its buttons raise: one line per event, and the latest
// lines for its event list.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

#include "candy_button/control_host.h"

namespace tarnwick::gallery {

// "Click", "MouseDown", ...: the event's name.
const char* EventName(candy::CandyEventId id);
// Whether the event carries the mouse's button, shift state and position.
bool HasMouseArguments(candy::CandyEventId id);

// "Click: Style 3"; the mouse events add their arguments, as in
// "MouseDown: Style 3 (button 1, shift 0, x 12, y 5)".
std::string DescribeEvent(const candy::CandyEvent& event, std::string_view button_name);

// The latest lines, newest first, at most `capacity` of them.
class EventHistory {
 public:
  explicit EventHistory(std::size_t capacity) : capacity_(capacity) {}
  void Add(std::string line);
  // The lines joined with CR LF.
  std::string Text() const;

 private:
  std::size_t capacity_;
  std::deque<std::string> lines_;
};

}  // namespace tarnwick::gallery
