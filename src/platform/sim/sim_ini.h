#pragma once
#include "platform/ini_port.h"
#include "platform/sim/call_log.h"
namespace tarnwick::sim {
class SimIni : public platform::IniPort {
 public:
  explicit SimIni(CallLog& log) : log_(log) {}
  std::size_t ReadProfileString(const std::string&, const std::string&, const std::string&, char*, std::size_t,
                                const std::string&) override { return 0; }
  CallLog& log_;
};
}
