#include "common/titles.h"

#include <initializer_list>
#include <string_view>

namespace tarnwick::titles {
namespace {
std::string Versioned(Edition edition) {
  return std::string("Tarnwick\u2122 Launcher Second Edition V1.1") + (edition == Edition::Le ? " LE" : "");
}
// Appending piece by piece keeps GCC's -Wrestrict false positive on chained operator+ away.
std::string Lines(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (const std::string_view piece : pieces) text.append(piece);
  return text;
}

}  // namespace

std::string ProductTitle(Edition edition) { return Versioned(edition); }

std::string SplashText(Edition edition) {
  const std::string title = Versioned(edition);
  return Lines({" ", title, " Rev3\r", "  Administrator Version\r", "  ", kWebAddress, " \r", "  ", kCopyright, " "});
}

std::string AboutText(Edition edition) {
  const std::string title = Versioned(edition);
  return Lines({title, " Rev3\r", "Administrator Version\r", kWebAddress, "\r", kCopyright});
}

std::string ExitQuestion(Edition edition) { return Versioned(edition) + " Program Termination?"; }

std::string ApplicationTitle(Edition edition) {
  return edition == Edition::Le ? "TarnwickLauncherLE" : "TarnwickLauncher";
}

}  // namespace tarnwick::titles
