#include "platform/sim/cp949_code_page.h"

#include <gtest/gtest.h>

namespace tarnwick::sim {
namespace {

const Cp949CodePage kCodePage;

TEST(Cp949CodePage, LauncherTextsRoundTrip) {
  EXPECT_EQ(kCodePage.FromUtf8("값이 없습니다."), "\xB0\xAA\xC0\xCC \xBE\xF8\xBD\xC0\xB4\xCF\xB4\xD9.");
  EXPECT_EQ(kCodePage.FromUtf8("Tarnwick™"), "Tarnwick\xA2\xE2");
  for (const char* text : {"값이 없습니다.", "Tarnwick™", "종료", "plain ascii\r\n"}) {
    EXPECT_EQ(kCodePage.ToUtf8(kCodePage.FromUtf8(text)), text);
  }
}

TEST(Cp949CodePage, CharactersOutsideTheCodePageBecomeBestFitsOrQuestionMarks) {
  EXPECT_EQ(kCodePage.FromUtf8("Café ©"), "Cafe \xA8\xCF");
  EXPECT_EQ(kCodePage.FromUtf8("a☃b😀c"), "a?b??c");  // one '?' per UTF-16 unit
  EXPECT_EQ(kCodePage.FromUtf8("a\xFF" "b\xE2\x98" "c"), "a?b??c");  // each byte that is no UTF-8
}

TEST(Cp949CodePage, BadBytesBecomeQuestionMarksAndLeadBytesTakeTheNextByteButNul) {
  EXPECT_EQ(kCodePage.ToUtf8("ab\xB0"), "ab?");
  EXPECT_EQ(kCodePage.ToUtf8("ab\xB0\nj"), "ab?j");
  EXPECT_EQ(kCodePage.ToUtf8(std::string("ab\xB0\0j", 5)), std::string("ab?\0j", 5));
  EXPECT_EQ(kCodePage.ToUtf8("e\xA2\xE8" "f"), "e?f");
}

TEST(Cp949CodePage, KeepsTheSystemsExtraBytesAndUserDefinedRows) {
  for (const char* bytes : {"\x80", "\xFF", "\xC9\xA1", "\xFE\xFE"}) {
    const std::string utf8 = kCodePage.ToUtf8(bytes);
    EXPECT_NE(utf8, "?");
    EXPECT_EQ(kCodePage.FromUtf8(utf8), bytes);
  }
  EXPECT_EQ(kCodePage.ToUtf8("\xC9\xA1"), "\xEE\x80\x80");  // U+E000
}

}  // namespace
}  // namespace tarnwick::sim
