#pragma once
// A check of JPEG files before the host decoder sees them. The decoder (stb_image 2.27) trusts
// the symbol counts of a Huffman table ("define Huffman table" segment) and writes past its
// 256-entry tables when they add up to more; and it decodes a scan with a Huffman table the
// file never defined, whose memory it never set, and so reads far outside its tables. Such
// files are refused here first.
#include <vector>

namespace tarnwick::sim {

// Whether the bytes are a JPEG file (as the decoder tells one) that holds a Huffman table of
// more than 256 symbols, or a scan that decodes with a table not defined before it. The
// segments are read as the decoder reads them (tables may also follow the first scan, in
// progressive files).
bool HasHuffmanTablesTheDecoderMisreads(const std::vector<unsigned char>& bytes);

}  // namespace tarnwick::sim
