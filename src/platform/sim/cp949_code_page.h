#pragma once
// The ANSI code page of the simulated platform.
//
// Linux has no ANSI code page, so the launcher assumes code page 949 (Korean, Unified Hangul
// Code) wherever the system's single-byte calls are reproduced: config.ini is read and looked
// up in CP949, the code page of the Korean Windows the launcher was made for. This is the one
// place that choice is made.
//
// Conversion goes through iconv's "CP949" and adds what the system's table has beyond it:
// bytes 0x80 and 0xFF, the two user-defined rows 0xC9 and 0xFE (private-use characters) and the
// system's best-fit stand-ins (cp949_best_fit.h). Other characters become '?' (one per UTF-16
// unit). A byte that starts no character becomes '?' and, when it is a lead byte, takes the
// next byte with it unless that is NUL, as the system does.
#include <memory>
#include <string>

#include "platform/ansi_code_page.h"

namespace tarnwick::sim {

class Cp949CodePage : public platform::AnsiCodePage {
 public:
  Cp949CodePage();
  ~Cp949CodePage() override;
  Cp949CodePage(const Cp949CodePage&) = delete;
  Cp949CodePage& operator=(const Cp949CodePage&) = delete;

  std::string FromUtf8(const std::string& utf8) const override;
  std::string ToUtf8(const std::string& ansi) const override;

 private:
  class Converter;
  std::unique_ptr<Converter> to_cp949_;
  std::unique_ptr<Converter> from_cp949_;
};

// One instance for readers that need no code page of their own.
const Cp949CodePage& SharedCp949CodePage();

}  // namespace tarnwick::sim
