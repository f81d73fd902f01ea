#pragma once
// JSON text for the programs' machine-readable answers (the skin tool's reports, the probes):
// a string quoted and escaped, its bytes made valid UTF-8 first.
#include <string>
#include <string_view>

namespace tarnwick::platform {

std::string JsonQuoted(std::string_view text);

}  // namespace tarnwick::platform
