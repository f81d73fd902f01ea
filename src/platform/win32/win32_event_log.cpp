#include "platform/win32/win32_event_log.h"

#include <windows.h>

#include "platform/win32/scoped_handles.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

WORD NativeType(platform::EventLogType type) {
  switch (type) {
    case platform::EventLogType::Error:
      return EVENTLOG_ERROR_TYPE;
    case platform::EventLogType::Warning:
      return EVENTLOG_WARNING_TYPE;
    case platform::EventLogType::Information:
      break;
  }
  return EVENTLOG_INFORMATION_TYPE;
}

}  // namespace

bool Win32EventLog::Write(const std::string& source, platform::EventLogType type, const std::string& text) {
  ScopedEventSource log(RegisterEventSourceW(nullptr, Utf8ToWide(source).c_str()));
  if (!log.Valid()) return false;
  const std::wstring wide = Utf8ToWide(text);
  LPCWSTR strings[] = {wide.c_str()};
  return ReportEventW(log.Get(), NativeType(type), 0, 0, nullptr, 1, 0, strings, nullptr) != FALSE;
}

}  // namespace tarnwick::win32
