#include "common/titles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

TEST(Titles, EditionsDifferOnlyByLeAfterVersion) {
  EXPECT_EQ(titles::ProductTitle(Edition::Full), "Tarnwick\u2122 Launcher Second Edition V1.1");
  EXPECT_EQ(titles::ProductTitle(Edition::Le), "Tarnwick\u2122 Launcher Second Edition V1.1 LE");
  EXPECT_EQ(titles::ExitQuestion(Edition::Le), "Tarnwick\u2122 Launcher Second Edition V1.1 LE Program Termination?");
}

TEST(Titles, SplashHasFourLinesJoinedByBareCarriageReturns) {
  for (Edition edition : {Edition::Full, Edition::Le}) {
    const std::string text = titles::SplashText(edition);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.substr(text.find('\r') + 1, 24), "  Administrator Version\r");
  }
  const std::string le = titles::SplashText(Edition::Le);
  EXPECT_EQ(le.substr(0, le.find('\r')), " Tarnwick\u2122 Launcher Second Edition V1.1 LE Rev3");
}

TEST(Titles, AboutHasExactlyThreeCarriageReturnsAndNoTrailingOne) {
  const std::string text = titles::AboutText(Edition::Full);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
  EXPECT_NE(text.back(), '\r');
  EXPECT_EQ(text.substr(0, text.find('\r')), "Tarnwick\u2122 Launcher Second Edition V1.1 Rev3");
}

}  // namespace
}  // namespace tarnwick
