// JPEG files whose Huffman tables claim more than 256 symbols are refused before the host
// decoder writes past its tables; good files still load.
#include "platform/sim/jpeg_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/sim/sim_pictures.h"

namespace tarnwick::sim {
namespace {

std::vector<unsigned char> SampleJpeg() {
  std::ifstream in(std::filesystem::path(TARNWICK_SOURCE_DIR) / "sample/image/btn01.jpg", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A "define Huffman table" segment of one table whose 16 counts are `counts`, symbols omitted.
std::vector<unsigned char> TableSegment(unsigned char count) {
  std::vector<unsigned char> segment{0xFF, 0xC4, 0x00, 19, 0x00};
  segment.insert(segment.end(), 16, count);
  return segment;
}

std::vector<unsigned char> Inserted(std::vector<unsigned char> bytes, std::size_t at,
                                    const std::vector<unsigned char>& part) {
  bytes.insert(bytes.begin() + std::ptrdiff_t(at), part.begin(), part.end());
  return bytes;
}

TEST(JpegGuard, GoodFilesLoadAndOversizedTablesAreRefusedBeforeOrAfterTheScan) {
  const std::vector<unsigned char> good = SampleJpeg();
  ASSERT_GT(good.size(), 100u);
  EXPECT_FALSE(HasOversizedHuffmanTable(good));
  EXPECT_EQ(DecodePictureBytes(good, "good").outcome, PictureOutcome::Loaded);

  const std::vector<unsigned char> before_scan = Inserted(good, 2, TableSegment(17));  // 272 symbols
  EXPECT_TRUE(HasOversizedHuffmanTable(before_scan));
  EXPECT_EQ(DecodePictureBytes(before_scan, "before").outcome, PictureOutcome::Undecodable);

  const std::vector<unsigned char> after_scan = Inserted(good, good.size() - 2, TableSegment(20));
  EXPECT_TRUE(HasOversizedHuffmanTable(after_scan));
  EXPECT_EQ(DecodePictureBytes(after_scan, "after").outcome, PictureOutcome::Undecodable);

  EXPECT_FALSE(HasOversizedHuffmanTable(Inserted(good, 2, TableSegment(16))));  // 256 symbols fit

  // The decoder also takes a start marker after several 0xFF bytes.
  const std::vector<unsigned char> padded = Inserted(before_scan, 0, {0xFF, 0xFF, 0xFF});
  EXPECT_TRUE(HasOversizedHuffmanTable(padded));
  EXPECT_EQ(DecodePictureBytes(padded, "padded").outcome, PictureOutcome::Undecodable);
  EXPECT_FALSE(HasOversizedHuffmanTable({0x89, 'P', 'N', 'G', 0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00, 255, 255}));
}

TEST(JpegGuard, CountsCutOffByTheEndOfTheFileAreAddedUpAsTheDecoderReadsThem) {
  const std::vector<unsigned char> start{0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00, 200, 100};
  EXPECT_TRUE(HasOversizedHuffmanTable(start));
  EXPECT_FALSE(HasOversizedHuffmanTable({0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00, 200}));
  EXPECT_FALSE(HasOversizedHuffmanTable({0xFF, 0xD8}));
}

}  // namespace
}  // namespace tarnwick::sim
