#pragma once
// Skin folders made by tests: a temporary folder with a config.ini (written in code page 949
// unless the test gives raw bytes), pictures in its image folder and other files, and the check
// of the skin tools run on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sim/cp949_code_page.h"
#include "platform/sim/test_double/temporary_folder.h"
#include "skin_tools/seen_from_afar.h"
#include "skin_tools/skin_check.h"
#include "support/picture_files.h"

namespace tarnwick::skin_test {

inline const std::filesystem::path kSampleFolder = std::filesystem::path(TARNWICK_SOURCE_DIR) / "sample";

class SkinFolder {
 public:
  const std::filesystem::path& Path() const { return folder_.Path(); }

  void WriteFile(const std::string& relative, const std::string& bytes) const {
    const auto path = Path() / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // config.ini from UTF-8 text, converted to code page 949.
  void WriteConfig(const std::string& utf8) const { WriteFile("config.ini", sim::SharedCp949CodePage().FromUtf8(utf8)); }
  void WritePicture(const std::string& name, int width, int height) const {
    WriteFile("image/" + name, test::SolidBmp(width, height, 0x336699));
  }
  void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(Path() / relative); }

 private:
  sim::TemporaryFolder folder_;
};

inline skin_tools::SkinReport Check(const std::filesystem::path& folder) {
  static sim::Cp949CodePage code_page;
  return skin_tools::CheckSkin(folder, code_page, [](const skin_tools::HostPaths& paths) {
    return std::make_unique<skin_tools::SeenFromAfar>(paths);
  });
}

// The findings about one setting ("[007] image", "line 3").
inline std::vector<skin_tools::Finding> About(const skin_tools::SkinReport& report, const std::string& setting) {
  std::vector<skin_tools::Finding> found;
  std::copy_if(report.findings.begin(), report.findings.end(), std::back_inserter(found),
               [&](const skin_tools::Finding& f) { return f.setting == setting; });
  return found;
}

// The one finding about `setting` whose message contains `text`, with its severity checked.
inline ::testing::AssertionResult Says(const skin_tools::SkinReport& report, const std::string& setting,
                                       skin_tools::Severity severity, const std::string& text) {
  for (const auto& finding : About(report, setting)) {
    if (finding.message.find(text) == std::string::npos) continue;
    if (finding.severity == severity) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << setting << ": \"" << finding.message << "\" has severity "
                                         << skin_tools::SeverityName(finding.severity);
  }
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << "no finding about " << setting << " says \"" << text << "\"; found:";
  for (const auto& finding : About(report, setting)) failure << "\n  " << finding.message;
  return failure;
}

}  // namespace tarnwick::skin_test
