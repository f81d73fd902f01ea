#pragma once
// Internal text is UTF-8; everything a person reads goes through the wide-character calls.
#include <string>

namespace tarnwick::win32 {

std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

// The launcher joins lines with a bare carriage return. Controls that draw text break lines
// reliably only on CR LF, so every bare CR (and bare LF) becomes CR LF.
std::wstring WithCrLfBreaks(const std::wstring& text);

}  // namespace tarnwick::win32
