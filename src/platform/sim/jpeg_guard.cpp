#include "platform/sim/jpeg_guard.h"

#include <cstddef>

namespace tarnwick::sim {
namespace {

constexpr unsigned char kMarkerStart = 0xFF, kStartOfImage = 0xD8, kDefineHuffmanTable = 0xC4, kEndOfImage = 0xD9;
constexpr int kMostSymbols = 256;

// Markers that stand alone, without a length: stuffing, TEM, restarts and start of image.
bool StandsAlone(unsigned char marker) {
  return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// Walks the tables of the segment whose length field is at `at` as the decoder does: each
// table is a class byte, 16 counts and as many symbols as the counts add up to, until the
// segment's length is used up. Moves `at` past what was read.
bool SegmentHasOversizedTable(const std::vector<unsigned char>& bytes, std::size_t& at) {
  long left = long(bytes[at] << 8 | bytes[at + 1]) - 2;
  at += 2;
  while (left > 0 && at < bytes.size()) {
    int symbols = 0;  // the decoder reads zeros past the end of the file
    for (std::size_t i = at + 1; i <= at + 16 && i < bytes.size(); ++i) symbols += bytes[i];
    if (symbols > kMostSymbols) return true;
    at += 17 + std::size_t(symbols);
    left -= 17 + symbols;
  }
  return false;
}

}  // namespace

bool HasOversizedHuffmanTable(const std::vector<unsigned char>& bytes) {
  // The start-of-image marker, which the decoder also takes after more than one 0xFF.
  std::size_t at = 0;
  while (at < bytes.size() && bytes[at] == kMarkerStart) ++at;
  if (at == 0 || at >= bytes.size() || bytes[at] != kStartOfImage) return false;
  ++at;
  while (at + 4 <= bytes.size()) {
    if (bytes[at] != kMarkerStart) {  // scan data between markers
      ++at;
      continue;
    }
    const unsigned char marker = bytes[at + 1];
    if (marker == kMarkerStart || StandsAlone(marker)) {
      at += marker == kMarkerStart ? 1 : 2;
      continue;
    }
    if (marker == kEndOfImage) return false;
    at += 2;
    if (marker == kDefineHuffmanTable) {
      if (SegmentHasOversizedTable(bytes, at)) return true;
    } else {
      at += std::size_t(bytes[at] << 8 | bytes[at + 1]);
    }
  }
  return false;
}

}  // namespace tarnwick::sim
