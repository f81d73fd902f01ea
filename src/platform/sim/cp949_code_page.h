#pragma once
#include "platform/ansi_code_page.h"
namespace tarnwick::sim {
class Cp949CodePage : public platform::AnsiCodePage {
 public:
  std::string FromUtf8(const std::string& s) const override { return s; }
  std::string ToUtf8(const std::string& s) const override { return s; }
};
}
