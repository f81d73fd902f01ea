#pragma once
// UTF-8 to UTF-16 for the wide-character drawing calls.
#include <string>

namespace tarnwick::win32 {

std::wstring WideFromUtf8(const std::string& utf8);

}  // namespace tarnwick::win32
