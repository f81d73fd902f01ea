#include "common/titles.h"

namespace tarnwick::titles {
namespace {
constexpr char kCr = '\r';

std::string Versioned(Edition edition) {
  return std::string("Tarnwick\u2122 Launcher Second Edition V1.1") + (edition == Edition::Le ? " LE" : "");
}
}  // namespace

std::string ProductTitle(Edition edition) { return Versioned(edition); }

std::string SplashText(Edition edition) {
  return " " + Versioned(edition) + " Rev3" + kCr + "  Administrator Version" + kCr + "  " + kWebAddress +
         " " + kCr + "  " + kCopyright + " ";
}

std::string AboutText(Edition edition) {
  return Versioned(edition) + " Rev3" + kCr + "Administrator Version" + kCr + kWebAddress + kCr + kCopyright;
}

std::string ExitQuestion(Edition edition) { return Versioned(edition) + " Program Termination?"; }

std::string ApplicationTitle(Edition edition) {
  return edition == Edition::Le ? "TarnwickLauncherLE" : "TarnwickLauncher";
}

}  // namespace tarnwick::titles
