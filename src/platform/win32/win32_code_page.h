#pragma once
// The system's ANSI code page (CP_ACP), or another code page named by number, through the
// system's own conversion functions, which turn characters the code page cannot hold into '?'.
#include "platform/ansi_code_page.h"

namespace tarnwick::win32 {

class Win32CodePage : public platform::AnsiCodePage {
 public:
  // 0 is CP_ACP, the system's ANSI code page.
  explicit Win32CodePage(unsigned code_page = 0) : code_page_(code_page) {}
  std::string FromUtf8(const std::string& utf8) const override;
  std::string ToUtf8(const std::string& ansi) const override;

 private:
  unsigned code_page_;
};

}  // namespace tarnwick::win32
