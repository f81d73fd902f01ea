#include "platform/sim/jpeg_guard.h"

#include <array>
#include <cstddef>

namespace tarnwick::sim {
namespace {

constexpr unsigned char kMarkerStart = 0xFF, kStartOfImage = 0xD8, kDefineHuffmanTable = 0xC4, kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA, kBaselineFrame = 0xC0, kProgressiveFrame = 0xC2;
constexpr int kMostSymbols = 256;
constexpr int kTableIds = 4;  // per class: DC (0) and AC (1)

// The decoder reads zeros past the end of the file.
unsigned char ByteAt(const std::vector<unsigned char>& bytes, std::size_t at) { return at < bytes.size() ? bytes[at] : 0; }

// Markers that stand alone, without a length: stuffing, TEM, restarts and start of image.
bool StandsAlone(unsigned char marker) {
  return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

struct DecoderState {
  std::array<std::array<bool, kTableIds>, 2> defined{};  // [class][id]
  bool progressive = false;
};

// Walks the tables of the segment whose length field is at `at` as the decoder does: each
// table is a class byte, 16 counts and as many symbols as the counts add up to, until the
// segment's length is used up. Notes the tables defined and moves `at` past what was read;
// false for an oversized table.
bool ReadTables(const std::vector<unsigned char>& bytes, std::size_t& at, DecoderState& state) {
  long left = long(bytes[at] << 8 | bytes[at + 1]) - 2;
  at += 2;
  while (left > 0 && at < bytes.size()) {
    const unsigned char kind = bytes[at];
    int symbols = 0;
    for (std::size_t i = at + 1; i <= at + 16; ++i) symbols += ByteAt(bytes, i);
    if (symbols > kMostSymbols) return false;
    if (kind >> 4 < 2 && (kind & 15) < kTableIds) state.defined[kind >> 4][kind & 15] = true;
    at += 17 + std::size_t(symbols);
    left -= 17 + symbols;
  }
  return true;
}

// Whether the scan whose header's length field is at `at` decodes only with defined tables. A
// baseline scan uses both tables of each component; a progressive one its DC table for a
// first DC pass and its AC table for an AC pass. Selectors the decoder refuses pass here.
bool ScanTablesDefined(const std::vector<unsigned char>& bytes, std::size_t at, const DecoderState& state) {
  const std::size_t components = ByteAt(bytes, at + 2);
  const std::size_t after = at + 3 + 2 * components;
  const bool dc_pass = ByteAt(bytes, after) == 0, first_pass = ByteAt(bytes, after + 2) >> 4 == 0;
  const bool uses_dc = !state.progressive || (dc_pass && first_pass), uses_ac = !state.progressive || !dc_pass;
  for (std::size_t c = 0; c < components; ++c) {
    const unsigned char tables = ByteAt(bytes, at + 4 + 2 * c);
    const int dc = tables >> 4, ac = tables & 15;
    if (uses_dc && dc < kTableIds && !state.defined[0][std::size_t(dc)]) return false;
    if (uses_ac && ac < kTableIds && !state.defined[1][std::size_t(ac)]) return false;
  }
  return true;
}

}  // namespace

bool HasHuffmanTablesTheDecoderMisreads(const std::vector<unsigned char>& bytes) {
  // The start-of-image marker, which the decoder also takes after more than one 0xFF.
  std::size_t at = 0;
  while (at < bytes.size() && bytes[at] == kMarkerStart) ++at;
  if (at == 0 || at >= bytes.size() || bytes[at] != kStartOfImage) return false;
  ++at;
  DecoderState state;
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
    if (marker >= kBaselineFrame && marker <= kProgressiveFrame) state.progressive = marker == kProgressiveFrame;
    if (marker == kDefineHuffmanTable) {
      if (!ReadTables(bytes, at, state)) return true;
      continue;
    }
    if (marker == kStartOfScan && !ScanTablesDefined(bytes, at, state)) return true;
    at += std::size_t(bytes[at] << 8 | bytes[at + 1]);
  }
  return false;
}

}  // namespace tarnwick::sim
