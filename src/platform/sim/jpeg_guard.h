#pragma once
// A check of JPEG files before the host decoder sees them. The decoder (stb_image 2.27) trusts
// the symbol counts of a Huffman table ("define Huffman table" segment) and writes past its
// 256-entry tables when they add up to more, so such a file is refused here first.
#include <vector>

namespace tarnwick::sim {

// Whether the bytes are a JPEG file (as the decoder tells one) that holds a Huffman table of
// more than 256 symbols, read as the decoder reads the segments (tables may also follow the
// first scan, in progressive files).
bool HasOversizedHuffmanTable(const std::vector<unsigned char>& bytes);

}  // namespace tarnwick::sim
