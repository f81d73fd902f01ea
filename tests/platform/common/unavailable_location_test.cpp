#include "platform/common/unavailable_location.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

TEST(UnavailableLocationNotice, SaysSoThenGivesTheLocationAndTheSystemsReasonOnOneLineEach) {
  EXPECT_EQ(UnavailableLocationNotice("C:\\Tools\\missing\\", 3, "The system cannot find the path specified.\r\n"),
            std::string(kLocationUnavailable) + "\r\nC:\\Tools\\missing\\\r\nThe system cannot find the path specified.");
  // A reason that the system breaks across lines or pads reads as one sentence.
  EXPECT_EQ(UnavailableLocationNotice("D:\\x\\", 267, "  The directory\r\nname is\tinvalid.  \r\n\r\n"),
            std::string(kLocationUnavailable) + "\r\nD:\\x\\\r\nThe directory name is invalid.");
}

TEST(UnavailableLocationNotice, GivesTheErrorNumberWhereTheSystemHasNoText) {
  EXPECT_EQ(UnavailableLocationNotice("E:\\", 1234, ""), std::string(kLocationUnavailable) + "\r\nE:\\\r\nError 1234.");
  EXPECT_EQ(UnavailableLocationNotice("E:\\", 5, "\r\n"), std::string(kLocationUnavailable) + "\r\nE:\\\r\nError 5.");
}

}  // namespace
}  // namespace tarnwick::platform
