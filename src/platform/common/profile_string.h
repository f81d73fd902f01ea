#pragma once
// A portable reproduction of the system's single-byte INI lookup (GetPrivateProfileStringA)
// for a platform that has none. Like the system, it works in wide characters inside: the
// names and the default text are converted from the ANSI code page, the value is found by the
// rules of profile_reader.h, cut to the buffer in UTF-16 units, then converted back.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace tarnwick::platform {

// `file_text`: the decoded file (profile_text.h), or nothing when it cannot be read, which
// gives the default text. `section`, `key` and `default_text` are ANSI bytes, read up to
// the first NUL. Fills `buffer` of `size` bytes like the system call and returns the number
// of bytes stored before the terminating zero:
// - trailing spaces of the default text are dropped;
// - a value (or default text) enclosed in a pair of the same quotation marks (' or ") loses
//   them, unless it has to be cut short;
// - only whole characters are stored, so a double-byte character that does not fit in the
//   last byte is left out (the system then reports one byte more than it wrote);
// - a lead byte at the end of a name or of the default text is dropped (the system converts it
//   with the terminating NUL, which it takes as its trail byte);
// - a section or key name of more than 32766 UTF-16 units is never found;
// - `size` 0 stores nothing and returns 0.
std::size_t CopyProfileString(const std::optional<std::string>& file_text, std::string_view section,
                              std::string_view key, std::string_view default_text, char* buffer,
                              std::size_t size, const AnsiCodePage& code_page);

}  // namespace tarnwick::platform
