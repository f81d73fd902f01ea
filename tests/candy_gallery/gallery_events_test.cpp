// The gallery's event lines, its log records, its event list, its layout and its picture file.
#include <gtest/gtest.h>

#include <cstring>

#include "candy_gallery/gallery_events.h"
#include "candy_gallery/gallery_layout.h"
#include "candy_gallery/gallery_log_records.h"
#include "candy_gallery/gem_pixels.h"
#include "candy_gallery/icon_file.h"

namespace tarnwick::gallery {
namespace {

candy::CandyEvent EventOf(candy::CandyEventId id, std::int16_t button = 0, float x = 0, float y = 0) {
  candy::CandyEvent event;
  event.id = id;
  event.button = button, event.x = x, event.y = y;
  return event;
}

TEST(GalleryEvents, EachEventReadsAsItsNameAndTheButtons) {
  EXPECT_EQ(DescribeEvent(EventOf(candy::CandyEventId::Click), "Style 3"), "Click: Style 3");
  EXPECT_EQ(DescribeEvent(EventOf(candy::CandyEventId::MouseEnter), "Hover me"), "MouseEnter: Hover me");
  EXPECT_EQ(DescribeEvent(EventOf(candy::CandyEventId::DblClick), "A"), "DblClick: A");
  EXPECT_EQ(DescribeEvent(EventOf(candy::CandyEventId::MouseDown, 1, 12, 5), "Style 3"),
            "MouseDown: Style 3 (button 1, shift 0, x 12, y 5)");
  EXPECT_EQ(DescribeEvent(EventOf(candy::CandyEventId::MouseMove, 0, -3, 40), "B"),
            "MouseMove: B (button 0, shift 0, x -3, y 40)");
}

TEST(GalleryLogRecords, EventsCarryTheMouseOnlyWhereTheEventHasIt) {
  EXPECT_EQ(EventRecord(EventOf(candy::CandyEventId::Click), "Style 3"),
            R"({"record": "event", "event": "Click", "button": "Style 3"})");
  EXPECT_EQ(EventRecord(EventOf(candy::CandyEventId::MouseUp, 2, 74.6f, -3.4f), "Style 3"),
            R"({"record": "event", "event": "MouseUp", "button": "Style 3", )"
            R"("mouse": {"button": 2, "shift": 0, "x": 75, "y": -3}})");
}

TEST(GalleryLogRecords, NamesAreQuotedAndPlacesAreNumbers) {
  EXPECT_EQ(PlaceRecord("Say \"hi\"\\", {-5, 60, 150, 48}),
            R"({"record": "place", "button": "Say \"hi\"\\", "x": -5, "y": 60, "width": 150, "height": 48})");
  EXPECT_EQ(StatusRecord("a\tb"), R"({"record": "status", "text": "a\u0009b"})");
  EXPECT_EQ(ObjectsRecord(12, 85, "windows", "system"),
            R"({"record": "objects", "user": 12, "gdi": 85, "user_counted": "windows", "gdi_counted": "system"})");
  EXPECT_EQ(CursorsRecord(0x10092, 0xFFFFFFFF), R"({"record": "cursors", "hand": 65682, "arrow": 4294967295})");
  EXPECT_EQ(ReadyRecord(), R"({"record": "ready"})");
  EXPECT_EQ(DpiRecord(144), R"({"record": "dpi", "dpi": 144})");
}

TEST(GalleryEvents, TheListKeepsTheNewestLinesFirst) {
  EventHistory history(3);
  EXPECT_EQ(history.Text(), "");
  for (const char* line : {"a", "b", "c", "d"}) history.Add(line);
  EXPECT_EQ(history.Text(), "d\r\nc\r\nb");
}

TEST(GalleryLayout, FourButtonsARowAndTheStatusBelowTheGrid) {
  EXPECT_EQ(ButtonCell(0).x, kGap);
  EXPECT_EQ(ButtonCell(3).x, kGap + 3 * (kCellWidth + kGap));
  EXPECT_EQ(ButtonCell(4).y, kGap + kCellHeight + kGap);
  const GalleryLayout layout = LayOut(16);
  const Rect last = ButtonCell(15);
  EXPECT_GE(layout.history.y, last.y + last.height);
  EXPECT_GT(layout.status.y, layout.history.y + layout.history.height - 1);
  EXPECT_GE(layout.height, layout.status.y + layout.status.height);
  EXPECT_EQ(layout.width, last.x + last.width + kGap);
  EXPECT_EQ(LayOut(0).history.y, kGap);  // no buttons: the lists at the top
}

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

TEST(GalleryIconFile, OneImageStoredBottomUpWithItsAlpha) {
  const std::vector<unsigned> gem = GemPixels(32);
  ASSERT_EQ(gem.size(), 32u * 32u);
  const std::string file = EncodeIconFile(32, 32, gem);
  EXPECT_EQ(file.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
  const std::uint32_t image_size = Read32(file, 14), offset = Read32(file, 18);
  EXPECT_EQ(offset, 22u);
  EXPECT_EQ(file.size(), offset + image_size);
  EXPECT_EQ(Read32(file, offset + 8), 64u);  // colour rows and mask rows
  const std::size_t pixels = offset + 40;
  EXPECT_EQ(Read32(file, pixels), gem[31 * 32]);           // the bottom row comes first
  EXPECT_EQ(Read32(file, pixels + 4 * (31 * 32 + 16)), gem[16]);  // the top row last
  EXPECT_EQ(image_size, 40u + 32 * 32 * 4 + 32 * 4);
}

TEST(GalleryIconFile, TheLargeGemIsTheSmallOneDrawnFiner) {
  const std::vector<unsigned> small = GemPixels(16), large = GemPixels(32);
  int same = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      same += (small[std::size_t(y * 16 + x)] >> 24) == (large[std::size_t((2 * y) * 32 + 2 * x)] >> 24);
  EXPECT_GT(same, 16 * 16 * 9 / 10);  // the same round outline, nearly everywhere
  EXPECT_EQ(large[0] >> 24, 0u);      // transparent corners
  EXPECT_EQ(large[16 * 32 + 16] >> 24, 0xFFu);
}

}  // namespace
}  // namespace tarnwick::gallery
