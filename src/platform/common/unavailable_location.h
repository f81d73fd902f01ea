#pragma once
// The notice a folder view shows in its pane, in place of any listing, when the location it was
// sent to is no folder that can be shown (missing, a file, unreadable).
#include <string>

namespace tarnwick::platform {

// The notice's first line.
inline constexpr const char* kLocationUnavailable = "위치를 사용할 수 없습니다.";

// Three lines joined by CR LF: kLocationUnavailable, the location as it was asked for, and the
// system's own text for `error` (`system_text`, its line breaks and trailing blanks tidied), or
// "Error <error>." where the system has no text for it.
std::string UnavailableLocationNotice(const std::string& location, unsigned long error,
                                      const std::string& system_text);

}  // namespace tarnwick::platform
