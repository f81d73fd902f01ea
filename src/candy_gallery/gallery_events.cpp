#include "candy_gallery/gallery_events.h"

#include <cmath>

namespace tarnwick::gallery {
namespace {

std::string Number(float value) { return std::to_string(std::lround(value)); }

}  // namespace

const char* EventName(candy::CandyEventId id) {
  switch (id) {
    case candy::CandyEventId::Status: return "Status";
    case candy::CandyEventId::Click: return "Click";
    case candy::CandyEventId::DblClick: return "DblClick";
    case candy::CandyEventId::MouseEnter: return "MouseEnter";
    case candy::CandyEventId::MouseLeave: return "MouseLeave";
    case candy::CandyEventId::MouseMove: return "MouseMove";
    case candy::CandyEventId::MouseUp: return "MouseUp";
    case candy::CandyEventId::MouseDown: return "MouseDown";
  }
  return "Event";
}

bool HasMouseArguments(candy::CandyEventId id) {
  return id == candy::CandyEventId::MouseMove || id == candy::CandyEventId::MouseUp ||
         id == candy::CandyEventId::MouseDown;
}

std::string DescribeEvent(const candy::CandyEvent& event, std::string_view button_name) {
  std::string line = EventName(event.id);
  line += ": ";
  line += button_name;
  if (HasMouseArguments(event.id)) {
    line += " (button " + std::to_string(event.button) + ", shift " + std::to_string(event.shift) +
            ", x " + Number(event.x) + ", y " + Number(event.y) + ")";
  }
  return line;
}

void EventHistory::Add(std::string line) {
  lines_.push_front(std::move(line));
  if (lines_.size() > capacity_) lines_.pop_back();
}

std::string EventHistory::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace tarnwick::gallery
