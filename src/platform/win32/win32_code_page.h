#pragma once
// The system's ANSI code page (CP_ACP) through its own conversion functions, which turn
// characters the code page cannot hold into '?'.
#include "platform/ansi_code_page.h"

namespace tarnwick::win32 {

class Win32CodePage : public platform::AnsiCodePage {
 public:
  std::string FromUtf8(const std::string& utf8) const override;
  std::string ToUtf8(const std::string& ansi) const override;
};

}  // namespace tarnwick::win32
