#include "platform/common/profile_string.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/sim/cp949_code_page.h"

namespace tarnwick::platform {
namespace {

const sim::Cp949CodePage kCodePage;

// File texts here are UTF-8, as DecodeProfileText hands them on; names and default texts are
// in code page 949, as the caller of the system function passes them.
struct Stored {
  std::size_t count;
  std::string bytes;  // the whole buffer, so bytes after the terminator show too
};

Stored Copy(const std::optional<std::string>& text, std::string_view key, std::string_view default_text,
            std::size_t size, std::string_view section = "s") {
  std::vector<char> buffer(size + 1, '~');
  const std::size_t count = CopyProfileString(text, section, key, default_text, buffer.data(), size, kCodePage);
  return {count, std::string(buffer.data(), buffer.size())};
}

std::string Cp949(const std::string& utf8) { return kCodePage.FromUtf8(utf8); }

TEST(ProfileString, RemovesOneEnclosingPairOfMatchingQuotes) {
  const std::string text = "[s]\nd=\"x\"\ns='x'\nboth=\"\"x\"\"\nopen=\"x\nclose=x\"\nmixed='x\"\none=\"\n";
  EXPECT_EQ(Copy(text, "d", "", 10).bytes, std::string("x\0~~~~~~~~~", 11));
  EXPECT_EQ(Copy(text, "s", "", 3).count, 1u);
  EXPECT_EQ(Copy(text, "both", "", 10).bytes.substr(0, 4), std::string("\"x\"\0", 4));
  EXPECT_EQ(Copy(text, "open", "", 10).bytes.substr(0, 3), std::string("\"x\0", 3));
  EXPECT_EQ(Copy(text, "close", "", 10).bytes.substr(0, 3), std::string("x\"\0", 3));
  EXPECT_EQ(Copy(text, "mixed", "", 10).count, 3u);
  EXPECT_EQ(Copy(text, "one", "", 10).bytes.substr(0, 2), std::string("\"\0", 2));
}

TEST(ProfileString, CutsValuesToTheBufferLikeTheSystem) {
  const std::string text = "[s]\nlong=" + std::string(300, 'x') + "\nq=\"quoted\"\n";
  const Stored long_value = Copy(text, "long", "", 255);
  EXPECT_EQ(long_value.count, 254u);
  EXPECT_EQ(long_value.bytes, std::string(254, 'x') + '\0' + '~');
  EXPECT_EQ(Copy(text, "q", "", 4).bytes.substr(0, 4), std::string("quo\0", 4));
  // When the text after the opening quote exactly fills the buffer, the last letter goes
  // instead of the quote that did not fit.
  EXPECT_EQ(Copy(text, "q", "", 7).bytes.substr(0, 6), std::string("quote\0", 6));
  EXPECT_EQ(Copy(text, "q", "", 8).bytes.substr(0, 7), std::string("quoted\0", 7));
  EXPECT_EQ(Copy(text, "q", "", 1).bytes, std::string("\0~", 2));
  EXPECT_EQ(Copy("[s]\nq=\"\"\n", "q", "", 1).bytes, std::string("\0~", 2));
  const Stored nothing = Copy(text, "q", "", 0);
  EXPECT_EQ(nothing.count, 0u);
  EXPECT_EQ(nothing.bytes, "~");
}

TEST(ProfileString, StoresOnlyWholeDoubleByteCharacters) {
  std::string hangul;
  for (int i = 0; i < 200; ++i) hangul += "가";
  const std::string text = "[s]\neven=" + hangul + "\nodd=a" + hangul + "\n";
  EXPECT_EQ(Copy(text, "even", "", 255).count, 254u);
  const Stored odd = Copy(text, "odd", "", 255);
  ASSERT_EQ(odd.count, 253u);
  EXPECT_EQ(odd.bytes.substr(0, 3), "a\xB0\xA1");
  EXPECT_EQ(odd.bytes[253], '\0');
}

TEST(ProfileString, DefaultTextLosesTrailingSpacesAndQuotesAndIsCut) {
  EXPECT_EQ(Copy("[s]\n", "k", "dflt  ", 20).count, 4u);
  EXPECT_EQ(Copy("[s]\n", "k", "   ", 20).bytes.substr(0, 2), std::string(" \0", 2));
  EXPECT_EQ(Copy(std::nullopt, "k", "\"quoted\"", 20).bytes.substr(0, 7), std::string("quoted\0", 7));
  EXPECT_EQ(Copy(std::nullopt, "k", "abcdefgh", 4).bytes, std::string("abc\0~", 5));
  const std::string missing = Cp949("값이 없습니다.");
  EXPECT_EQ(Copy(std::nullopt, "k", missing, 255).bytes.substr(0, missing.size()), missing);
  EXPECT_EQ(Copy(std::nullopt, "k", missing, 4).count, 2u);  // "값" and no half of "이"
  EXPECT_EQ(Copy("[s]\nk\n", "k", "d", 20).count, 1u);       // a key without '=' is missing
}

TEST(ProfileString, ALeadByteAtTheEndOfANameOrOfTheDefaultTextIsDropped) {
  const std::string text = "k=before any section\n[a]\nk=1\n";
  EXPECT_EQ(Copy(text, "k", "d", 30, "a\xB0").bytes.substr(0, 2), std::string("1\0", 2));
  EXPECT_EQ(Copy(text, "k", "d", 30, "\xA1").bytes.substr(0, 20), std::string("before any section\0~", 20));
  EXPECT_EQ(Copy(text, "k\xB0", "d", 30, "a").bytes.substr(0, 2), std::string("1\0", 2));
  EXPECT_EQ(Copy(text, "x", "a\xB0", 30).bytes.substr(0, 3), std::string("a\0~", 3));
  EXPECT_EQ(Copy(text, "x", "a\xB0\xA1\xB0", 30).bytes.substr(0, 4), std::string("a\xB0\xA1\0", 4));
  EXPECT_EQ(Copy(text, "x", "a\xB0\x41", 30).count, 3u);  // a whole character stays
}

TEST(ProfileString, NamesLongerThanTheSystemPassesOnAreNeverFound) {
  const std::string longest(32766, 'n'), too_long(32767, 'n');
  const std::string text = "[" + longest + "]\nk=1\n[" + too_long + "]\nk=2\n[s]\n" + too_long + "=3\n";
  EXPECT_EQ(Copy(text, "k", "d", 10, longest).bytes.substr(0, 2), std::string("1\0", 2));
  EXPECT_EQ(Copy(text, "k", "d", 10, too_long).bytes.substr(0, 2), std::string("d\0", 2));
  EXPECT_EQ(Copy(text, too_long, "d", 10).bytes.substr(0, 2), std::string("d\0", 2));
}

TEST(ProfileString, ConvertsNamesAndValuesThroughTheCodePage) {
  const std::string text = "[Tarnwick™]\nPUrl1=문서\n";  // files reach the copy decoded to UTF-8
  const Stored value = Copy(text, "purl1", "", 10, Cp949("TARNWICK™"));
  EXPECT_EQ(value.bytes.substr(0, value.count), Cp949("문서"));
}

}  // namespace
}  // namespace tarnwick::platform
