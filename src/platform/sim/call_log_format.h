#pragma once
#include <sstream>

namespace tarnwick::sim {

template <typename... Args>
std::string FormatCall(std::string_view name, const Args&... args) {
  std::ostringstream out;
  out << name << '(';
  [[maybe_unused]] const char* separator = "";
  ((out << separator << args, separator = ","), ...);
  out << ')';
  return out.str();
}

template <typename... Args>
void CallLog::Record(std::string_view name, const Args&... args) {
  if (enabled) calls_.push_back(FormatCall(name, args...));
}

}  // namespace tarnwick::sim
