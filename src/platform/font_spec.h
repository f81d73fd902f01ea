#pragma once
// A font as a control's surface holds it.
#include <string>

namespace tarnwick::platform {

struct FontSpec {
  std::string name = "Tahoma";
  double points = 9.0;
  int weight = 400;  // 400 normal, 700 bold
  bool italic = false;
  bool underline = false;
  bool strikeout = false;

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace tarnwick::platform
