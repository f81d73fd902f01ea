#include "support/wine_probe.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tarnwick::testing {
namespace {

constexpr const char* kLocale = "ko_KR.UTF-8";

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool CommandExists(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ToHex(const std::string& bytes) {
  if (bytes.empty()) return "-";
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char byte : bytes) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

std::string FromHex(const std::string& hex) {
  std::string bytes;
  if (hex == "-") return bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<ProbeAnswer> ParseAnswers(const std::string& output) {
  std::vector<ProbeAnswer> answers;
  std::istringstream lines(output);
  std::size_t count = 0;
  std::string hex;
  int terminated = 0;
  while (lines >> count >> hex >> terminated) answers.push_back({count, FromHex(hex), terminated == 1});
  return answers;
}

}  // namespace

std::string WineDrivePath(const std::filesystem::path& path) {
  std::string windows = "Z:" + std::filesystem::absolute(path).string();
  for (char& c : windows) c = c == '/' ? '\\' : c;
  return windows;
}

WineProbe::WineProbe(std::filesystem::path probe_exe, std::filesystem::path work_folder)
    : probe_exe_(std::move(probe_exe)), work_folder_(std::move(work_folder)) {}

namespace {
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}
}  // namespace

bool WineProbe::IsThirtyTwoBit() const {
  return probe_exe_.parent_path().filename().string().find("i686") != std::string::npos;
}

bool WineProbe::MaySkip() const {
  if (Environment("TARNWICK_REQUIRE_ALL") != "1") return true;
  return IsThirtyTwoBit() && !Environment("TARNWICK_WINE32_UNAVAILABLE").empty();
}

std::string WineProbe::UnavailableReason() const {
  if (IsThirtyTwoBit()) {
    if (const std::string reason = Environment("TARNWICK_WINE32_UNAVAILABLE"); !reason.empty()) return reason;
  }
  if (!CommandExists("wine")) return "Wine is not installed (Debian packages wine, wine32, wine64)";
  if (!CommandExists("flock")) return "flock is not installed (Debian package util-linux)";
  if (!std::filesystem::exists(probe_exe_)) {
    return probe_exe_.string() + " is missing: build the mingw presets first";
  }
  // Built once, under the lock that parallel tests share.
  std::filesystem::create_directories(work_folder_);
  const std::string locale = "locale/" + std::string(kLocale);
  const std::string build_locale = "cd " + Quote(work_folder_.string()) + " && flock lock sh -c " +
                                   Quote("test -e " + locale + "/LC_CTYPE || { mkdir -p locale && localedef -i ko_KR -f UTF-8 " +
                                         locale + " >/dev/null 2>&1; }");
  // localedef may end with a warning status after writing a usable locale; the files decide.
  [[maybe_unused]] const int status = std::system(build_locale.c_str());
  if (!std::filesystem::exists(work_folder_ / locale / "LC_CTYPE")) {
    return "cannot build the " + std::string(kLocale) + " locale (Debian package locales)";
  }
  return {};
}

std::optional<std::string> WineProbe::RunProbe(const std::string& argument, const std::string& name,
                                               std::string& error) const {
  const auto output = work_folder_ / (name + "-" + probe_exe_.parent_path().filename().string() + ".out");
  // One prefix for every run; the lock keeps parallel tests from creating it twice.
  const std::string command =
      "cd " + Quote(work_folder_.string()) + " && flock lock env LOCPATH=" +
      Quote((work_folder_ / "locale").string()) + " LC_ALL=" + kLocale + " LANG=" + kLocale +
      " WINEPREFIX=" + Quote((work_folder_ / "prefix").string()) +
      " WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' DISPLAY= timeout 600 wine " +
      Quote(probe_exe_.string()) + " " + Quote(argument) + " > " + Quote(output.string()) + " 2> " +
      Quote(output.string() + ".err");
  if (std::system(command.c_str()) != 0) {
    error = "the probe failed under Wine (a broken prefix can be removed: " + (work_folder_ / "prefix").string() +
            "): " + ReadText(output.string() + ".err");
    return std::nullopt;
  }
  return ReadText(output);
}

std::optional<std::vector<ProbeAnswer>> WineProbe::Run(const std::vector<ProbeLookup>& lookups,
                                                       std::string& error) const {
  std::filesystem::create_directories(work_folder_);
  const auto list = work_folder_ / ("lookups-" + probe_exe_.parent_path().filename().string() + ".txt");
  {
    std::ofstream out(list, std::ios::binary | std::ios::trunc);
    for (const auto& lookup : lookups) {
      out << (lookup.through_config_reader ? "CONFIG " : "PROFILE ") << ToHex(lookup.windows_path) << ' '
          << ToHex(lookup.section) << ' ' << ToHex(lookup.key);
      if (!lookup.through_config_reader) out << ' ' << ToHex(lookup.default_text) << ' ' << lookup.size;
      out << '\n';
    }
  }
  const auto output = RunProbe(WineDrivePath(list), "lookups", error);
  if (!output) return std::nullopt;
  auto answers = ParseAnswers(*output);
  if (answers.size() != lookups.size()) {
    error = "the probe answered " + std::to_string(answers.size()) + " of " + std::to_string(lookups.size()) +
            " lookups";
    return std::nullopt;
  }
  return answers;
}

std::optional<std::vector<std::string>> WineProbe::DumpCodePage(std::string& error) const {
  const auto output = RunProbe("--code-page", "code-page", error);
  if (!output) return std::nullopt;
  std::vector<std::string> conversions;
  std::istringstream lines(*output);
  for (std::string hex; lines >> hex;) conversions.push_back(FromHex(hex));
  return conversions;
}

}  // namespace tarnwick::testing
