#pragma once
// Every title string a person reads, per edition. The LE edition's carry " LE" after "V1.1".
#include <string>

#include "common/edition.h"

namespace tarnwick::titles {

// Window caption and tray tip: "Tarnwick™ Launcher Second Edition V1.1" (+ " LE").
std::string ProductTitle(Edition edition);

// The four splash lines joined by bare carriage returns.
std::string SplashText(Edition edition);

// The About box prompt: four lines joined by bare carriage returns.
std::string AboutText(Edition edition);

// The exit confirmation: the product title followed by " Program Termination?".
std::string ExitQuestion(Edition edition);

// Caption of the start-up refusal boxes: the program's own name.
std::string ApplicationTitle(Edition edition);

inline constexpr const char* kWebAddress = "www.tarnwick.example";
inline constexpr const char* kCopyright = "Copyright (C) 2026 Tarnwick Software. All rights reserved.";

}  // namespace tarnwick::titles
