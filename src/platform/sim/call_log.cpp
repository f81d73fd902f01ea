#include "platform/sim/call_log.h"

namespace tarnwick::sim {

std::vector<std::string> CallLog::Matching(std::string_view prefix) const {
  std::vector<std::string> found;
  for (const auto& call : calls_) {
    if (std::string_view(call).substr(0, prefix.size()) == prefix) found.push_back(call);
  }
  return found;
}

}  // namespace tarnwick::sim
