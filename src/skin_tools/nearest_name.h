#pragma once
// The known name a misspelt one was most likely meant to be.
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::skin_tools {

// The edit distance between two names, letter case aside (ASCII).
std::size_t NameDistance(const std::string& a, const std::string& b);

// The known name closest to `name`, when it is close enough to be a slip: at most one edit for
// short names, up to a third of the name's length for longer ones. Nothing for an exact match.
std::optional<std::string> NearestName(const std::string& name, const std::vector<std::string>& known);

}  // namespace tarnwick::skin_tools
