// The sample program folder that the run script starts the launcher in: config.ini must be
// readable by the system's INI functions on a Korean Windows (code page 949, CRLF) and name
// only pictures, folders and programs that exist.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "skin/picture_size.h"

namespace tarnwick::skin_test {
namespace {

namespace fs = std::filesystem;
const fs::path kSample = fs::path(TARNWICK_SOURCE_DIR) / "sample";
const std::string kPanelSection = "Tarnwick\xA2\xE2";  // "Tarnwick™" in code page 949

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// section (lower case) -> key (lower case) -> value; comment lines and other lines skipped.
using Sections = std::map<std::string, std::map<std::string, std::string>>;

Sections ParseIni(const std::string& bytes) {
  Sections sections;
  std::string section;
  for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
    end = std::min(bytes.find("\r\n", start), bytes.size());
    const std::string line = bytes.substr(start, end - start);
    const std::size_t equals = line.find('=');
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = Lower(line.substr(1, line.size() - 2));
    } else if (!line.starts_with(';') && equals != std::string::npos) {
      sections[section].emplace(Lower(line.substr(0, equals)), line.substr(equals + 1));
    }
  }
  return sections;
}

class SampleFolder : public ::testing::Test {
 protected:
  const std::string bytes_ = FileBytes(kSample / "config.ini");
  Sections ini_ = ParseIni(bytes_);

  // The size of the picture that `key` of `section` names in the image folder.
  std::pair<int, int> PictureOf(const std::string& section, const std::string& key) {
    return PictureSize(kSample / "image" / ini_[Lower(section)][Lower(key)]);
  }
};

std::string Numbered(const char* pattern, int number) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, number);
  return text;
}

TEST_F(SampleFolder, ConfigIsCodePage949WithCrlfLineEnds) {
  ASSERT_FALSE(bytes_.empty());
  EXPECT_NE(bytes_.find("[" + kPanelSection + "]\r\n"), std::string::npos);
  EXPECT_EQ(bytes_.find("\xE2\x84\xA2"), std::string::npos) << "UTF-8 trade mark sign";
  for (std::size_t i = bytes_.find('\n'); i != std::string::npos; i = bytes_.find('\n', i + 1)) {
    ASSERT_TRUE(i > 0 && bytes_[i - 1] == '\r') << "bare line feed at byte " << i;
  }
  EXPECT_EQ(bytes_.substr(bytes_.size() - 2), "\r\n");
}

TEST_F(SampleFolder, TransparencyIsAnOpacityTheBarApplies) {
  const int opacity = std::stoi(ini_["option1"]["transparency"]);
  EXPECT_GE(opacity, 0);
  EXPECT_LE(opacity, 255);
}

TEST_F(SampleFolder, EveryPictureExistsAtTheSizeOfItsControl) {
  EXPECT_EQ(PictureOf("BG1", "image"), std::make_pair(83, 1575));
  EXPECT_EQ(PictureOf("BG2", "image"), std::make_pair(1017, 289));
  for (int n = 1; n <= 24; ++n) {
    EXPECT_EQ(PictureOf(Numbered("%03d", n), "image"), std::make_pair(73, 57)) << n;
  }
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(PictureOf(kPanelSection, Numbered("Pimg%d", n)), std::make_pair(137, 41)) << n;
  }
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(PictureOf(kPanelSection, Numbered("PXimg%d", n)), std::make_pair(73, 57)) << n;
  }
}

TEST_F(SampleFolder, FolderTabsNameFoldersOfTheSampleFolder) {
  for (int n = 1; n <= 7; ++n) {
    const std::string folder = ini_[Lower(kPanelSection)][Numbered("purl%d", n)];
    EXPECT_FALSE(folder.empty()) << n;
    EXPECT_TRUE(fs::is_directory(kSample / folder)) << folder;
  }
}

// Commands are started without any file association, so each must name a program.
TEST_F(SampleFolder, CommandsStartProgramsNotDocuments) {
  auto names_a_program = [](const std::string& command) {
    const std::string program = Lower(command.substr(0, command.find(' ')));
    return program.size() > 4 && program.ends_with(".exe");
  };
  int launch_commands = 0;
  for (int n = 1; n <= 24; ++n) {
    const auto& section = ini_[Numbered("%03d", n)];
    if (!section.contains("source")) continue;
    ++launch_commands;
    EXPECT_TRUE(names_a_program(section.at("source"))) << section.at("source");
  }
  EXPECT_GE(launch_commands, 20);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_TRUE(names_a_program(ini_[Lower(kPanelSection)][Numbered("pxurl%d", n)])) << n;
  }
}

TEST_F(SampleFolder, StaysSmall) {
  std::uintmax_t total = 0;
  for (const auto& entry : fs::recursive_directory_iterator(kSample)) {
    if (entry.is_regular_file()) total += entry.file_size();
  }
  EXPECT_LT(total, 1024u * 1024u);
}

}  // namespace
}  // namespace tarnwick::skin_test
