// Runs INI lookups through the Windows backend (Win32Ini, which calls the system's
// GetPrivateProfileStringA, and the launcher's ReadConfigValue over it) and prints what they
// returned, so the portable reader can be compared with the real function (under Wine in the
// tests).
//
// Usage: ini_probe.exe LOOKUPS
// Texts in LOOKUPS are hex-encoded bytes ("-" for an empty text). A line is either
//   "PROFILE PATH SECTION KEY DEFAULT SIZE": one system call, texts in the ANSI code page (the
//   path is handed to the backend in UTF-8, as the launcher names its files); the
//   probe prints "COUNT HEX TERMINATED": the returned count, the bytes before it, and 1 or 0
//   for a zero byte at buffer[COUNT]. The buffer is filled with '~' before the call so bytes
//   the call did not write are visible.
// or
//   "CONFIG PATH SECTION KEY": ReadConfigValue, texts in UTF-8; the probe prints
//   "LENGTH HEX 1" for the UTF-8 value.
//
// Usage: ini_probe.exe --code-page
// Prints, one hex line each, Win32CodePage::FromUtf8 of every character U+0080 .. U+FFFF but
// the surrogates, then Win32CodePage::ToUtf8 of every two bytes 0x80 0x00 .. 0xFF 0xFF.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "config/config_reader.h"
#include "platform/common/utf8.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_ini.h"

namespace {

constexpr char kUnwrittenByte = '~';

std::string FromHex(const std::string& hex) {
  std::string bytes;
  if (hex == "-") return bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::string ToHex(const char* bytes, std::size_t count) {
  if (count == 0) return "-";
  std::string hex;
  char pair[3];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(bytes[i]));
    hex += pair;
  }
  return hex;
}

bool ReadLine(FILE* file, std::string& line) {
  line.clear();
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    if (c == '\n') return true;
    line.push_back(static_cast<char>(c));
  }
  return !line.empty();
}

void PrintAnswer(std::size_t count, const std::string& bytes, bool terminated) {
  std::printf("%lu %s %d\n", static_cast<unsigned long>(count), ToHex(bytes.data(), bytes.size()).c_str(),
              terminated ? 1 : 0);
}

void RunProfileLookup(std::istringstream& fields) {
  std::string path, section, key, default_text;
  std::size_t size = 0;
  fields >> path >> section >> key >> default_text >> size;
  std::vector<char> buffer(size + 1, kUnwrittenByte);
  tarnwick::win32::Win32Ini ini;
  const tarnwick::win32::Win32CodePage code_page;
  const std::size_t count = ini.ReadProfileString(FromHex(section), FromHex(key), FromHex(default_text),
                                                  buffer.data(), size, code_page.ToUtf8(FromHex(path)));
  const std::size_t shown = std::min(count, buffer.size());
  PrintAnswer(count, std::string(buffer.data(), shown), count < buffer.size() && buffer[count] == '\0');
}

void RunConfigLookup(std::istringstream& fields) {
  std::string path, section, key;
  fields >> path >> section >> key;
  tarnwick::win32::Win32Ini ini;
  const tarnwick::win32::Win32CodePage code_page;
  const std::string value = tarnwick::config::ReadConfigValue(ini, code_page, code_page.ToUtf8(FromHex(path)),
                                                              FromHex(section), FromHex(key));
  PrintAnswer(value.size(), value, true);
}

void RunLookup(const std::string& line) {
  std::istringstream fields(line);
  std::string kind;
  fields >> kind;
  if (kind == "CONFIG") {
    RunConfigLookup(fields);
  } else {
    RunProfileLookup(fields);
  }
}

void PrintHex(const std::string& bytes) { std::printf("%s\n", ToHex(bytes.data(), bytes.size()).c_str()); }

void DumpCodePage() {
  const tarnwick::win32::Win32CodePage code_page;
  for (char32_t code_point = 0x80; code_point <= 0xFFFF; ++code_point) {
    if (code_point >= 0xD800 && code_point <= 0xDFFF) continue;
    std::string utf8;
    tarnwick::platform::AppendUtf8(utf8, code_point);
    PrintHex(code_page.FromUtf8(utf8));
  }
  for (int first = 0x80; first <= 0xFF; ++first) {
    for (int second = 0; second <= 0xFF; ++second) {
      PrintHex(code_page.ToUtf8(std::string{static_cast<char>(first), static_cast<char>(second)}));
    }
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ini_probe LOOKUPS | --code-page\n");
    return 2;
  }
  if (std::wstring(argv[1]) == L"--code-page") {
    DumpCodePage();
    return 0;
  }
  const std::unique_ptr<FILE, int (*)(FILE*)> lookups(_wfopen(argv[1], L"r"), &std::fclose);
  if (!lookups) {
    std::fprintf(stderr, "ini_probe: cannot open the lookups file\n");
    return 2;
  }
  std::string line;
  while (ReadLine(lookups.get(), line)) RunLookup(line);
  return 0;
}
