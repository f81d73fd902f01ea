#include "candy_gallery/gallery_log_records.h"

#include <cmath>

#include "candy_gallery/gallery_events.h"
#include "platform/common/json_text.h"

namespace tarnwick::gallery {
namespace {

using platform::JsonQuoted;

std::string Field(std::string_view name, const std::string& json) {
  return JsonQuoted(name) + ": " + json;
}

std::string Field(std::string_view name, long long number) { return Field(name, std::to_string(number)); }

std::string Record(std::string_view kind, const std::string& fields = "") {
  return "{" + Field("record", JsonQuoted(kind)) + (fields.empty() ? "" : ", " + fields) + "}";
}

}  // namespace

std::string StatusRecord(std::string_view text) { return Record("status", Field("text", JsonQuoted(text))); }

std::string PlaceRecord(std::string_view button_name, const Rect& place) {
  return Record("place", Field("button", JsonQuoted(button_name)) + ", " + Field("x", place.x) + ", " +
                             Field("y", place.y) + ", " + Field("width", place.width) + ", " +
                             Field("height", place.height));
}

std::string CursorsRecord(unsigned hand, unsigned arrow) {
  return Record("cursors", Field("hand", hand) + ", " + Field("arrow", arrow));
}

std::string ObjectsRecord(unsigned user, unsigned gdi, std::string_view user_counted, std::string_view gdi_counted) {
  return Record("objects", Field("user", user) + ", " + Field("gdi", gdi) + ", " +
                               Field("user_counted", JsonQuoted(user_counted)) + ", " +
                               Field("gdi_counted", JsonQuoted(gdi_counted)));
}

std::string DpiRecord(int dpi) { return Record("dpi", Field("dpi", dpi)); }

std::string ReadyRecord() { return Record("ready"); }

std::string EventRecord(const candy::CandyEvent& event, std::string_view button_name) {
  std::string fields = Field("event", JsonQuoted(EventName(event.id))) + ", " + Field("button", JsonQuoted(button_name));
  if (HasMouseArguments(event.id)) {
    fields += ", " + Field("mouse", "{" + Field("button", event.button) + ", " + Field("shift", event.shift) + ", " +
                                        Field("x", std::lround(event.x)) + ", " + Field("y", std::lround(event.y)) +
                                        "}");
  }
  return Record("event", fields);
}

}  // namespace tarnwick::gallery
