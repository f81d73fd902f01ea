#pragma once
// The system's application event log.
#include <string>

namespace tarnwick::platform {

enum class EventLogType { Error, Warning, Information };

class EventLogPort {
 public:
  virtual ~EventLogPort() = default;
  [[nodiscard]] virtual bool Write(const std::string& source, EventLogType type, const std::string& text) = 0;
};

}  // namespace tarnwick::platform
