// Rewrites the candy button golden images from the current rendering.
//   candy_golden_update [source-dir]   (default: the source tree this tool was built from)
#include <cstdio>
#include <filesystem>
#include <string>

#include "../tests/golden/golden_cases.h"
#include "platform/sim/raster_png.h"

int main(int argc, char** argv) {
  const std::string source_dir =
      argc > 1 ? argv[1] : std::filesystem::path(__FILE__).parent_path().parent_path().string();
  int failures = 0;
  for (const tarnwick::golden::GoldenCase& c : tarnwick::golden::GoldenCases()) {
    const std::string path = tarnwick::golden::GoldenPath(source_dir, c);
    if (tarnwick::sim::WritePng(tarnwick::golden::RenderGolden(c), path)) {
      std::printf("wrote %s\n", path.c_str());
    } else {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
