#include "platform/common/tray_record.h"
#include "platform/system_numbers.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

TEST(TrayRecord, ReadsEachFieldFromItsPlaceInTheRecord) {
  TrayRecord record{};
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(i);
  const TrayIconData data = TrayIconData::FromRecord(record);
  EXPECT_EQ(data.cbSize, 0x03020100u);
  EXPECT_EQ(data.hWnd, 0x07060504u);
  EXPECT_EQ(data.uID, 0x0B0A0908u);
  EXPECT_EQ(data.uFlags, 0x0F0E0D0Cu);
  EXPECT_EQ(data.uCallbackMessage, 0x13121110u);
  EXPECT_EQ(data.hIcon, 0x17161514u);
  EXPECT_EQ(data.szTip.front(), 24u);
  EXPECT_EQ(data.szTip.back(), 87u);
}

TEST(TrayRecord, WritingThenReadingGivesBackEveryField) {
  TrayIconData data;
  data.cbSize = kTrayRecordSize;
  data.hWnd = 0x80000001u;
  data.uID = 1;
  data.uFlags = kNifMessage | kNifIcon | kNifTip;
  data.uCallbackMessage = 0x0200;
  data.hIcon = 0x00020017u;
  data.szTip.fill(' ');
  data.szTip[0] = 'T';
  data.szTip[1] = 0;
  const TrayIconData back = TrayIconData::FromRecord(data.ToRecord());
  EXPECT_EQ(back.ToRecord(), data.ToRecord());
  EXPECT_EQ(back.hWnd, data.hWnd);
  EXPECT_EQ(back.szTip, data.szTip);
}

}  // namespace
}  // namespace tarnwick::platform
