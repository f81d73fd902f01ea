#include "skin_tools/nearest_name.h"

#include <algorithm>
#include <numeric>

namespace tarnwick::skin_tools {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t NameDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t substitution = diagonal + (AsciiLower(a[i - 1]) == AsciiLower(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::optional<std::string> NearestName(const std::string& name, const std::vector<std::string>& known) {
  const std::size_t allowed = std::max<std::size_t>(1, name.size() / 3);
  std::optional<std::string> best;
  std::size_t best_distance = allowed + 1;
  for (const std::string& candidate : known) {
    const std::size_t distance = NameDistance(name, candidate);
    if (distance == 0) return std::nullopt;
    if (distance < best_distance) {
      best = candidate;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace tarnwick::skin_tools
