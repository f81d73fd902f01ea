// Each golden case must render exactly its accepted image. On a mismatch the test writes the
// rendered image and a difference image (changed pixels red, others faded) beside the build.
#include <gtest/gtest.h>

#include <filesystem>

#include "golden/golden_cases.h"
#include "platform/sim/raster_png.h"

namespace tarnwick::golden {
namespace {

sim::RasterImage DifferenceImage(const sim::RasterImage& expected, const sim::RasterImage& actual) {
  sim::RasterImage diff(actual.Width(), actual.Height());
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x) {
      const bool same = expected.Inside(x, y) && expected.At(x, y) == actual.At(x, y);
      diff.Set(x, y, same ? (actual.At(x, y) >> 2 & 0x3F3F3F) + 0xC0C0C0 : 0x0000FF);
    }
  return diff;
}

}  // namespace

void PrintTo(const GoldenCase& c, std::ostream* out) { *out << c.name; }

namespace {

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, MatchesTheAcceptedImage) {
  const GoldenCase& c = GetParam();
  const sim::RasterImage actual = RenderGolden(c);
  const std::optional<sim::RasterImage> expected = sim::ReadPng(GoldenPath(TARNWICK_SOURCE_DIR, c));
  ASSERT_TRUE(expected) << "missing golden image; run candy_golden_update";
  if (*expected == actual) return;
  const std::filesystem::path out = std::filesystem::current_path() / "golden_failures";
  std::filesystem::create_directories(out);
  const bool written = sim::WritePng(actual, (out / (c.name + ".actual.png")).string()) &&
                       sim::WritePng(DifferenceImage(*expected, actual), (out / (c.name + ".diff.png")).string());
  ADD_FAILURE() << c.name << " differs from its golden image; "
                << (written ? "see " + out.string() : std::string("could not write the difference"));
}

INSTANTIATE_TEST_SUITE_P(CandyButton, Golden, ::testing::ValuesIn(GoldenCases()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tarnwick::golden
