#include "platform/common/utf8.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

using namespace std::string_literals;

TEST(Utf8, DecodesUtf16WithSurrogatePairsAndReplacesBrokenUnits) {
  EXPECT_EQ(Utf16ToUtf8("A\0\x5C\xD5"s, false), "A한");
  EXPECT_EQ(Utf16ToUtf8("\0A\xD5\x5C"s, true), "A한");
  EXPECT_EQ(Utf16ToUtf8("\x3D\xD8\x00\xDE"s, false), "😀");
  EXPECT_EQ(Utf16ToUtf8("\x3D\xD8" "A\0"s, false), "\xEF\xBF\xBD" "A");
  EXPECT_EQ(Utf16ToUtf8("A\0B"s, false), "A\xEF\xBF\xBD");
}

TEST(Utf8, ReplacesEachByteThatStartsNoCharacter) {
  EXPECT_EQ(SanitizeUtf8("a\xFF\xC3(b"), "a\xEF\xBF\xBD\xEF\xBF\xBD(b");
  EXPECT_EQ(SanitizeUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // a surrogate
  EXPECT_EQ(SanitizeUtf8("가™😀"), "가™😀");
}

TEST(Utf8, CountsAndCutsInUtf16Units) {
  EXPECT_EQ(Utf16Length("a가😀"), 4u);
  EXPECT_EQ(Utf16Prefix("a가😀", 2), "a가");
  EXPECT_EQ(Utf16Prefix("a가😀", 3), "a가\xEF\xBF\xBD");
  EXPECT_EQ(Utf16Prefix("a가😀", 9), "a가😀");
}

}  // namespace
}  // namespace tarnwick::platform
