#include "platform/common/profile_reader.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

using namespace std::string_literals;

TEST(ProfileReader, MatchesNamesWithoutRegardToAsciiCaseAndTrimsBlanks) {
  const std::string text = "[Option1]\r\n  Transparency \t=  220 \x1a\r\nIMAGE=a.jpg\n";
  EXPECT_EQ(FindProfileValue(text, "option1", "transparency"), "220");
  EXPECT_EQ(FindProfileValue(text, " OPTION1 ", "\ttransparency "), "220");
  EXPECT_EQ(FindProfileValue(text, "option1", "image"), "a.jpg");
  EXPECT_EQ(FindProfileValue(text, "option 1", "image"), std::nullopt);
}

TEST(ProfileReader, KeepsQuotesAndEqualSignsOfTheRawValue) {
  const std::string text = "[s]\na=\"x\"\nb=x=y=z\nmy key = v\n";
  EXPECT_EQ(FindProfileValue(text, "s", "a"), "\"x\"");
  EXPECT_EQ(FindProfileValue(text, "s", "b"), "x=y=z");
  EXPECT_EQ(FindProfileValue(text, "s", "my key"), "v");
  EXPECT_EQ(FindProfileValue(text, "s", "mykey"), std::nullopt);
}

TEST(ProfileReader, SearchesOnlyTheFirstSectionOfANameAndTakesItsFirstKey) {
  const std::string text = "[dup]\na=first\na=second\n[other]\nb=other\n[DUP]\nb=later\na=third\n";
  EXPECT_EQ(FindProfileValue(text, "dup", "a"), "first");
  EXPECT_EQ(FindProfileValue(text, "dup", "b"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "other", "b"), "other");
}

TEST(ProfileReader, ReadsSectionHeadersUpToTheirLastClosingBracket) {
  const std::string text =
      "[hdr] trailing text\nk=1\n[a]b]\nk=2\n[ spaced ]\nk=3\n[unclosed\nk=4\n[x=5\n[]\nk=6\n";
  EXPECT_EQ(FindProfileValue(text, "hdr", "k"), "1");
  EXPECT_EQ(FindProfileValue(text, "a]b", "k"), "2");
  EXPECT_EQ(FindProfileValue(text, "a", "k"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "spaced", "k"), "3");
  // A header without ']' is a key line of the section before it.
  EXPECT_EQ(FindProfileValue(text, "unclosed", "k"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "spaced", "[unclosed"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "spaced", "[x"), "5");
  // The unnamed section before the first header comes first, so "[]" is never searched.
  EXPECT_EQ(FindProfileValue(text, "", "k"), std::nullopt);
}

TEST(ProfileReader, KeysBeforeTheFirstHeaderBelongToTheUnnamedSection) {
  const std::string text = "k=before\n[]\nk=empty name\n";
  EXPECT_EQ(FindProfileValue(text, "", "k"), "before");
}

TEST(ProfileReader, KeyWithoutEqualsSignLooksUpLikeAMissingKey) {
  EXPECT_EQ(FindProfileValue("[s]\nk\nk=later\n", "s", "k"), std::nullopt);
  EXPECT_EQ(FindProfileValue("[s]\nk=\n", "s", "k"), "");
  EXPECT_EQ(FindProfileValue("[s]\n=blank\n", "s", ""), "blank");
}

TEST(ProfileReader, AcceptsCrLfCrLfAndAMissingLastLineEnd) {
  const std::string text = "[a]\rk=cr\r[b]\r\nk=crlf\n\n\r\r[c]\n\rk=last";
  EXPECT_EQ(FindProfileValue(text, "a", "k"), "cr");
  EXPECT_EQ(FindProfileValue(text, "b", "k"), "crlf");
  EXPECT_EQ(FindProfileValue(text, "c", "k"), "last");
}

TEST(ProfileReader, NulEndsNamesAndValuesButNotTheLine) {
  const std::string text = "[s\0x]\nk\0z=1\nv=ab\0cd\nw=x \0\n\0[t]\nk=2\n"s;
  EXPECT_EQ(FindProfileValue(text, "s", "k"), "1");
  EXPECT_EQ(FindProfileValue(text, "s", "v"), "ab");
  EXPECT_EQ(FindProfileValue(text, "s", "w"), "x ");
  EXPECT_EQ(FindProfileValue(text, "t", "k"), std::nullopt);  // "\0[t]" is no header
  EXPECT_EQ(FindProfileValue(text, "s\0ignored"s, "k"), "1");
}

TEST(ProfileReader, FoldsOnlyAsciiLetters) {
  const std::string text = "[ÄБ]\nk=1\n[Ｑ]\nk=2\n";
  EXPECT_EQ(FindProfileValue(text, "ÄБ", "k"), "1");
  EXPECT_EQ(FindProfileValue(text, "äб", "k"), std::nullopt);
  EXPECT_EQ(FindProfileValue(text, "ｑ", "k"), std::nullopt);
}

}  // namespace
}  // namespace tarnwick::platform
