// What the check says about the parts of config.ini the launcher never reads, and about files
// that are not in code page 949.
#include <gtest/gtest.h>

#include "platform/common/profile_reader.h"
#include "skin_folder.h"

namespace tarnwick::skin_test {
namespace {

using skin_tools::Severity;

skin_tools::SkinReport CheckConfig(const std::string& utf8) {
  SkinFolder folder;
  folder.WriteConfig(utf8);
  return Check(folder.Path());
}

TEST(SkinCheckStructure, UnknownSectionsAndKeysGetTheNearestKnownName) {
  const auto report = CheckConfig(
      "[option1]\r\nTransparancy=200\r\n[BG 1]\r\nimage=a.jpg\r\n[007]\r\nsourse=cmd.exe\r\ntransparency=9\r\n"
      "author=me\r\n[Tarnwik\u2122]\r\nPimg1=x.jpg\r\n[notes]\r\nwho=me\r\n");
  EXPECT_TRUE(Says(report, "line 2", Severity::Warning, "Transparancy in [option1] is never read; did you mean transparency?"));
  EXPECT_TRUE(Says(report, "line 3", Severity::Warning, "[BG 1] is never read; did you mean [BG1]?"));
  EXPECT_TRUE(Says(report, "line 6", Severity::Warning, "did you mean source?"));
  EXPECT_TRUE(Says(report, "line 7", Severity::Warning, "the launcher reads it in [option1]"));
  EXPECT_TRUE(Says(report, "line 8", Severity::Warning, "author in [007] is never read."));
  EXPECT_TRUE(Says(report, "line 9", Severity::Warning, "did you mean [Tarnwick\u2122]?"));
  EXPECT_TRUE(Says(report, "line 11", Severity::Warning, "section [notes] is never read."));
  EXPECT_EQ(About(report, "line 12").size(), 0u) << "keys of an unknown section are told with it";
  EXPECT_EQ(report.ExitCode(), 0) << "nothing fails: the launcher ignores these lines";
}

TEST(SkinCheckStructure, ShadowedKeysBareKeyLinesDuplicateSectionsAndKeysBeforeAnySection) {
  const auto report = CheckConfig(
      "image=early.jpg\r\n; a comment = fine\r\n[001]\r\nsource=cmd.exe\r\nSOURCE=notepad.exe\r\nimage\r\nimage=b.jpg\r\n"
      "[BG1]\r\nimage=a.jpg\r\n[bg1]\r\nimage=b.jpg\r\n");
  EXPECT_TRUE(Says(report, "line 1", Severity::Warning, "stands before the first section header"));
  EXPECT_EQ(About(report, "line 2").size(), 0u) << "comments are left alone";
  EXPECT_TRUE(Says(report, "line 5", Severity::Warning, "SOURCE here is never read: line 4 (source=cmd.exe) comes first"));
  EXPECT_TRUE(Says(report, "line 6", Severity::Warning, "image has no '='"));
  EXPECT_TRUE(Says(report, "line 7", Severity::Warning, "the bare key line 6 (no '=') comes first and wins"));
  EXPECT_TRUE(Says(report, "line 10", Severity::Warning, "a second section [bg1]: the launcher reads only the first one (line 8)"));
  EXPECT_TRUE(Says(report, "[001] source", Severity::Ok, "starts cmd.exe"));
  EXPECT_TRUE(Says(report, "[001] image", Severity::Note, "not set")) << "the bare line reads as missing";
}

TEST(SkinCheckEncoding, Utf8WithoutAMarkLosesThePanelSectionAndMisreadsKoreanValues) {
  SkinFolder folder;
  folder.WriteFile("config.ini", "; \xED\x83\x80\xEB\xA5\xB8\xEC\x9C\x85\r\n[Tarnwick\xE2\x84\xA2]\r\nPUrl1=\xEB\xAC\xB8\xEC\x84\x9C\r\n");
  folder.MakeFolder("\xEB\xAC\xB8\xEC\x84\x9C");
  const auto report = Check(folder.Path());
  EXPECT_EQ(report.encoding, "UTF-8 without a byte-order mark, read as code page 949");
  EXPECT_EQ(report.ExitCode(), 1);
  EXPECT_TRUE(Says(report, "encoding", Severity::Warning, "saved as UTF-8 without a byte-order mark"));
  EXPECT_TRUE(Says(report, "line 1", Severity::Warning, "the launcher does not read this line"));
  EXPECT_TRUE(Says(report, "line 2", Severity::Error, "[Tarnwick\u2122] is read as ["));
  EXPECT_TRUE(Says(report, "line 2", Severity::Error, "does not find the section"));
  EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl1", Severity::Warning, "not set"));
}

TEST(SkinCheckEncoding, AByteOrderMarkIsHonouredSoKoreanValuesReadAsWritten) {
  const std::string text = "[Tarnwick\xE2\x84\xA2]\r\nPUrl1=\xEB\xAC\xB8\xEC\x84\x9C\r\n";
  std::string utf16 = "\xFF\xFE";
  for (char32_t c : std::u32string{U'[', U'T', U'a', U'r', U'n', U'w', U'i', U'c', U'k', U'\u2122', U']', U'\r', U'\n',
                                   U'P', U'U', U'r', U'l', U'1', U'=', U'\uBB38', U'\uC11C', U'\r', U'\n'}) {
    utf16 += static_cast<char>(c & 0xFF);
    utf16 += static_cast<char>(c >> 8);
  }
  for (const auto& [bytes, encoding] : {std::pair{"\xEF\xBB\xBF" + text, "UTF-8 with a byte-order mark"},
                                        std::pair{utf16, "UTF-16 (little-endian)"}}) {
    SkinFolder folder;
    folder.WriteFile("config.ini", bytes);
    folder.MakeFolder("\xEB\xAC\xB8\xEC\x84\x9C");
    const auto report = Check(folder.Path());
    EXPECT_EQ(report.encoding, encoding);
    EXPECT_TRUE(Says(report, "encoding", Severity::Note, "Korean values are read as written"));
    EXPECT_TRUE(Says(report, "[Tarnwick\u2122] PUrl1", Severity::Ok, "shows the folder \xEB\xAC\xB8\xEC\x84\x9C\\")) << encoding;
  }
}

TEST(ProfileLines, NumbersLinesLikeAnEditorAndSkipsBlankOnes) {
  platform::ProfileLines lines("[a]\r\n\r\nk=1\rj\n\n  [b] x\nv = \"q\"");
  platform::ProfileLine line;
  std::vector<std::string> seen;
  while (lines.Next(line)) {
    seen.push_back(std::to_string(line.number) + (line.is_section ? " [" : " ") + std::string(line.name) +
                   (line.value ? "=" + std::string(*line.value) : ""));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1 [a", "3 k=1", "4 j", "6 [b", "7 v=\"q\""}));
}

}  // namespace
}  // namespace tarnwick::skin_test
