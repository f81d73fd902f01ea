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

}  // namespace tarnwick::sim
