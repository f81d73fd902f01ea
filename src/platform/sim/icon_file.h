#pragma once
// Icon files (.ico) as the system's picture loader reads them: the first picture of the file's
// directory, stored either as a PNG or as a bitmap of 1, 4, 8, 24 or 32 bits per pixel with its
// mask. Pixels that the mask leaves out, or that a 32-bit picture's alpha makes clear, are
// transparent.
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick::sim {

struct IconPicture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAABBGGRR, row by row from the top
};

// Whether the bytes begin as an icon file does.
bool LooksLikeIcon(const std::vector<unsigned char>& bytes);
// The file's first picture; nothing when it is cut off or malformed.
std::optional<IconPicture> DecodeIcon(const std::vector<unsigned char>& bytes);

}  // namespace tarnwick::sim
