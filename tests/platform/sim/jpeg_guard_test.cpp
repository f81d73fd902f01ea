// JPEG files whose Huffman tables claim more than 256 symbols, or whose scans decode with a
// table never defined, are refused before the host decoder reaches past its tables; good files
// still load.
#include "platform/sim/jpeg_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads(good));
  EXPECT_EQ(DecodePictureBytes(good, "good").outcome, PictureOutcome::Loaded);

  const std::vector<unsigned char> before_scan = Inserted(good, 2, TableSegment(17));  // 272 symbols
  EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(before_scan));
  EXPECT_EQ(DecodePictureBytes(before_scan, "before").outcome, PictureOutcome::Undecodable);

  const std::vector<unsigned char> after_scan = Inserted(good, good.size() - 2, TableSegment(20));
  EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(after_scan));
  EXPECT_EQ(DecodePictureBytes(after_scan, "after").outcome, PictureOutcome::Undecodable);

  std::vector<unsigned char> full = TableSegment(16);  // 256 symbols fit
  full[2] = (19 + 256) >> 8;
  full[3] = (19 + 256) & 0xFF;
  full.insert(full.end(), 256, 0);
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads(Inserted(good, 2, full)));

  // The decoder also takes a start marker after several 0xFF bytes; the system does not take
  // such a file for a JPEG at all, so it never reaches the decoder.
  const std::vector<unsigned char> padded = Inserted(before_scan, 0, {0xFF, 0xFF, 0xFF});
  EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(padded));
  EXPECT_EQ(DecodePictureBytes(padded, "padded").outcome, PictureOutcome::NotAPicture);
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads({0x89, 'P', 'N', 'G', 0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00, 255, 255}));
}

TEST(JpegGuard, CountsCutOffByTheEndOfTheFileAreAddedUpAsTheDecoderReadsThem) {
  const std::vector<unsigned char> start{0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00, 200, 100};
  EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(start));
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads({0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00, 200}));
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads({0xFF, 0xD8}));
}

TEST(JpegGuard, AScanThatDecodesWithAnUndefinedTableIsRefused) {
  const std::vector<unsigned char> good = SampleJpeg();
  // The sample's scan: three components, the first with tables 0, the others with tables 1
  // of both classes; tables 0 and 1 of both classes are defined.
  const std::array<unsigned char, 2> start_of_scan{0xFF, 0xDA};
  const auto scan = std::search(good.begin(), good.end(), start_of_scan.begin(), start_of_scan.end());
  ASSERT_NE(scan, good.end());
  const std::size_t third_tables = std::size_t(scan - good.begin()) + 10;
  ASSERT_EQ(good[third_tables], 0x11);
  for (const unsigned char tables : {0x13, 0x21}) {  // AC table 3, DC table 2
    std::vector<unsigned char> bad = good;
    bad[third_tables] = tables;
    EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(bad)) << int(tables);
    EXPECT_EQ(DecodePictureBytes(bad, "bad").outcome, PictureOutcome::Undecodable) << int(tables);
  }
}

// A frame, a table AC 0 and a scan of one component with DC table 1 (never defined) and AC
// table 0, with the scan's spectral start and successive approximation bytes.
std::vector<unsigned char> OneScan(unsigned char frame, unsigned char spectral_start, unsigned char approximation) {
  std::vector<unsigned char> bytes{0xFF, 0xD8, 0xFF, frame, 0x00, 0x0B, 8, 0, 8, 0, 8, 1, 1, 0x11, 0};
  const std::vector<unsigned char> table{0xFF, 0xC4, 0x00, 20, 0x10, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  bytes.insert(bytes.end(), table.begin(), table.end());
  const std::vector<unsigned char> scan{0xFF, 0xDA, 0x00, 8, 1, 1, 0x10, spectral_start, 63, approximation, 0x55, 0xFF, 0xD9};
  bytes.insert(bytes.end(), scan.begin(), scan.end());
  return bytes;
}

TEST(JpegGuard, AProgressiveScanNeedsOnlyTheTablesOfItsPass) {
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads(OneScan(0xC2, 1, 0x00))) << "an AC pass";
  EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(OneScan(0xC2, 0, 0x00))) << "a first DC pass";
  EXPECT_FALSE(HasHuffmanTablesTheDecoderMisreads(OneScan(0xC2, 0, 0x10))) << "a DC refinement reads bits only";
  EXPECT_TRUE(HasHuffmanTablesTheDecoderMisreads(OneScan(0xC0, 0, 0x00))) << "a baseline scan uses both";
}

}  // namespace
}  // namespace tarnwick::sim
