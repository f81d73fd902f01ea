// Runs INI lookups through the system's GetPrivateProfileStringA and prints what it returned,
// so the portable reader can be compared with the real function (under Wine in the tests).
//
// Usage: ini_probe.exe LOOKUPS
// Each line of LOOKUPS is "PATH SECTION KEY DEFAULT SIZE": the first four hex-encoded bytes of
// the ANSI code page ("-" for an empty text), SIZE decimal. For each line the probe prints
// "COUNT HEX TERMINATED": the returned count, the bytes before it in hex ("-" when none), and
// 1 or 0 for a zero byte at buffer[COUNT]. The buffer is filled with '~' before each call so
// bytes the call did not write are visible.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

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

void RunLookup(const std::string& line) {
  std::istringstream fields(line);
  std::string path, section, key, default_text;
  DWORD size = 0;
  if (!(fields >> path >> section >> key >> default_text >> size)) return;
  std::vector<char> buffer(size + 1, kUnwrittenByte);
  const DWORD count =
      GetPrivateProfileStringA(FromHex(section).c_str(), FromHex(key).c_str(), FromHex(default_text).c_str(),
                               buffer.data(), size, FromHex(path).c_str());
  const std::size_t shown = std::min<std::size_t>(count, buffer.size());
  const bool terminated = count < buffer.size() && buffer[count] == '\0';
  std::printf("%lu %s %d\n", static_cast<unsigned long>(count), ToHex(buffer.data(), shown).c_str(),
              terminated ? 1 : 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ini_probe LOOKUPS\n");
    return 2;
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
