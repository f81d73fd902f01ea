#pragma once
// How the launcher decodes config.ini: a UTF-8 or UTF-16 byte-order mark selects that encoding
// (platform/common/profile_text.h), anything else is read as code page 949. A file saved as
// UTF-8 without the mark is therefore misread wherever it holds anything but ASCII: this says
// which lines, and what "Tarnwick™" and Korean values become.
#include <string>
#include <vector>

#include "platform/ansi_code_page.h"
#include "skin_tools/launcher_trace.h"
#include "skin_tools/skin_report.h"

namespace tarnwick::skin_tools {

struct EncodingCheck {
  std::string encoding;  // "code page 949", "UTF-8 without a byte-order mark (read as code page 949)" ...
  std::vector<Finding> findings;
};

EncodingCheck CheckEncoding(const std::string& bytes, const platform::AnsiCodePage& code_page,
                            const LauncherTrace& trace);

}  // namespace tarnwick::skin_tools
