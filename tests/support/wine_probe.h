#pragma once
// Runs e2e/win_tools/ini_probe.exe (a Windows build's INI lookup probe) under Wine, in a Korean
// UTF-8 locale so that Wine's ANSI code page is 949, and reads back what the system's
// GetPrivateProfileStringA answered.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::testing {

// One system call (texts in code page 949), or with `through_config_reader` one
// ReadConfigValue of the Windows backend (section and key in UTF-8; default and size unused).
struct ProbeLookup {
  std::string windows_path;  // "Z:\..." for a host file
  std::string section, key, default_text;
  std::size_t size = 0;
  bool through_config_reader = false;
};

struct ProbeAnswer {
  std::size_t count = 0;   // the returned count (the value's length for ReadConfigValue)
  std::string bytes;       // buffer[0 .. count); bytes the call did not write read '~'
  bool terminated = false; // buffer[count] is zero
};

// The host file `path` as Wine names it.
std::string WineDrivePath(const std::filesystem::path& path);

class WineProbe {
 public:
  // `work_folder` keeps the locale and the Wine prefix between runs.
  WineProbe(std::filesystem::path probe_exe, std::filesystem::path work_folder);

  // Why the probe cannot run on this machine; empty when it can. Builds the locale once.
  std::string UnavailableReason() const;
  // Whether a test whose probe cannot run may skip instead of failing: always when the tests
  // are run by hand; under the test command (TARNWICK_REQUIRE_ALL=1), which installs all they
  // need, only a 32-bit probe on a machine where the 32-bit Wine could not be installed
  // (TARNWICK_WINE32_UNAVAILABLE).
  bool MaySkip() const;
  // One answer per lookup, or nothing with `error` set.
  std::optional<std::vector<ProbeAnswer>> Run(const std::vector<ProbeLookup>& lookups,
                                              std::string& error) const;
  // The Windows backend's code page conversions in the order of the probe's "--code-page":
  // FromUtf8 of U+0080 .. U+FFFF without surrogates, then ToUtf8 of every two bytes from
  // 0x80 0x00 to 0xFF 0xFF.
  std::optional<std::vector<std::string>> DumpCodePage(std::string& error) const;

 private:
  bool IsThirtyTwoBit() const;
  std::optional<std::string> RunProbe(const std::string& argument, const std::string& name,
                                      std::string& error) const;

  std::filesystem::path probe_exe_;
  std::filesystem::path work_folder_;
};

}  // namespace tarnwick::testing
