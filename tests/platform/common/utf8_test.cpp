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

// How many U+FFFD each invalid sequence becomes, as the system's decoder reads it under Wine.
std::size_t Replacements(std::string_view bytes) {
  const std::string text = SanitizeUtf8(bytes);
  std::size_t count = 0;
  for (std::size_t at = text.find(kReplacementCharacter); at != std::string::npos;
       at = text.find(kReplacementCharacter, at + 1))
    ++count;
  return count;
}

TEST(Utf8, ReplacesEachInvalidSequenceAsTheSystemReadsIt) {
  EXPECT_EQ(SanitizeUtf8("a\xFF\xC3(b"), "a\xEF\xBF\xBD\xEF\xBF\xBD(b");
  EXPECT_EQ(SanitizeUtf8("가™😀"), "가™😀");
  EXPECT_EQ(SanitizeUtf8("\xE1\xB0" "A"), "\xEF\xBF\xBD" "A");  // a lead byte and its continuation
  EXPECT_EQ(SanitizeUtf8("\xF0\x9F\x98]"), "\xEF\xBF\xBD]");
  EXPECT_EQ(Replacements("\xED\xA0\x80"), 2u);      // a surrogate: stops after its second byte
  EXPECT_EQ(Replacements("\xE0\x80\x80"), 2u);      // too long a form
  EXPECT_EQ(Replacements("\xF0\x80\x80\x80"), 3u);
  EXPECT_EQ(Replacements("\xF4\x90\x80\x80"), 3u);  // past U+10FFFF: the third byte is not taken
  EXPECT_EQ(Replacements("\xC1\x80\xF5\x80\xF8"), 5u);  // bytes that lead nothing, one each
  EXPECT_EQ(SanitizeUtf8("[\xF0" "A"), "[\xEF\xBF\xBD");    // cut short by the end: all that is left
  EXPECT_EQ(SanitizeUtf8("[\xE1\x80" "A\x80"), "[\xEF\xBF\xBD" "A\xEF\xBF\xBD");
}

TEST(Utf8, CountsAndCutsInUtf16Units) {
  EXPECT_EQ(Utf16Length("a가😀"), 4u);
  EXPECT_EQ(Utf16Prefix("a가😀", 2), "a가");
  EXPECT_EQ(Utf16Prefix("a가😀", 3), "a가\xEF\xBF\xBD");
  EXPECT_EQ(Utf16Prefix("a가😀", 9), "a가😀");
}

}  // namespace
}  // namespace tarnwick::platform
