#pragma once
// How the system's INI functions read a file's bytes: a UTF-8 or UTF-16 byte-order mark
// selects that encoding, anything else is text in the ANSI code page.
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace tarnwick::platform {

// The file's text as UTF-8; bytes that are no character become U+FFFD.
std::string DecodeProfileText(std::string_view file_bytes, const AnsiCodePage& code_page);

}  // namespace tarnwick::platform
