#pragma once
// Entries in the system's application event log, under a named source.
#include "platform/event_log_port.h"

namespace tarnwick::win32 {

class Win32EventLog final : public platform::EventLogPort {
 public:
  bool Write(const std::string& source, platform::EventLogType type, const std::string& text) override;
};

}  // namespace tarnwick::win32
