#include "platform/sim/sim_pictures.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/sim/icon_file.h"
#include "platform/sim/jpeg_guard.h"
#include "platform/sim/native_path.h"

namespace tarnwick::sim {
namespace {

struct DesignSize {
  int width, height;
  const char* name;
};

DesignSize DesignSizeOf(platform::DesignPicture which, int offset) {
  using platform::DesignPicture;
  const int index = static_cast<int>(which) + offset;
  if (index == static_cast<int>(DesignPicture::SplashLogo)) return {100, 58, "splash_logo"};
  if (index == static_cast<int>(DesignPicture::MainTopButton)) return {73, 23, "main_top_button"};
  if (index < static_cast<int>(DesignPicture::PanelFolderTab)) return {73, 57, "main_launch_button"};
  if (index < static_cast<int>(DesignPicture::PanelProgramButton)) return {137, 41, "panel_folder_tab"};
  return {73, 57, "panel_button"};
}

std::uint32_t LittleEndian32(const std::vector<unsigned char>& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

bool EndsWith(const std::vector<unsigned char>& bytes, std::initializer_list<unsigned char> tail, std::size_t slack) {
  const auto found = std::search(bytes.size() > tail.size() + slack ? bytes.end() - static_cast<std::ptrdiff_t>(tail.size() + slack)
                                                                     : bytes.begin(),
                                 bytes.end(), tail.begin(), tail.end());
  return found != bytes.end();
}

std::uint32_t BigEndian32(const std::vector<unsigned char>& bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) << 24 | bytes[offset + 1] << 16 | bytes[offset + 2] << 8 | bytes[offset + 3];
}

// Whether every chunk of a PNG file, from the signature to the end chunk, lies inside the file.
// The host decoder grows its buffer for a data chunk to the length the chunk announces before it
// reads it: a few bytes that announce a gigabyte made it ask for 2 GiB.
bool PngChunksFit(const std::vector<unsigned char>& bytes) {
  constexpr std::size_t kSignature = 8, kLengthAndType = 8, kCrc = 4;
  std::size_t offset = kSignature;
  while (bytes.size() - offset >= kLengthAndType + kCrc) {
    const std::uint64_t chunk_end = offset + kLengthAndType + std::uint64_t{BigEndian32(bytes, offset)} + kCrc;
    if (chunk_end > bytes.size()) return false;
    const auto type = bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4);
    if (std::equal(type, type + 4, "IEND")) return true;
    offset = static_cast<std::size_t>(chunk_end);
  }
  return false;
}

// The host decoder fills a cut-off file with blank pixels; the system's decoders refuse it.
// A file counts as whole when it ends as its format requires (JPEG end marker, PNG end chunk,
// GIF trailer; a PNG's chunks must also all fit in the file) or, for BMP, holds all the pixel
// rows its header announces.
bool LooksWhole(const std::vector<unsigned char>& bytes, int width, int height) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return EndsWith(bytes, {0xFF, 0xD9}, 64);
  if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P') return EndsWith(bytes, {'I', 'E', 'N', 'D'}, 8) && PngChunksFit(bytes);
  if (bytes.size() >= 6 && bytes[0] == 'G' && bytes[1] == 'I') return EndsWith(bytes, {0x3B}, 16);
  if (bytes.size() >= 30 && bytes[0] == 'B' && bytes[1] == 'M') {
    const std::uint32_t bits = bytes[28] | bytes[29] << 8;
    const std::uint64_t row = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    return bytes.size() >= LittleEndian32(bytes, 10) + row * static_cast<std::uint64_t>(height);
  }
  return true;
}

// Whether the bytes start as a JPEG, PNG, GIF or BMP file: the formats both the system's
// picture loader and the host decoder read. The host decoder also reads PNM, PSD, TGA, HDR and
// PIC files, which the system refuses (and its PNM header reader overflows on long numbers).
bool IsSystemPictureFormat(const std::vector<unsigned char>& bytes) {
  const auto starts = [&bytes](std::initializer_list<unsigned char> head) {
    return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
  };
  return starts({0xFF, 0xD8}) || starts({0x89, 'P', 'N', 'G'}) || starts({'G', 'I', 'F', '8'}) || starts({'B', 'M'});
}

// Icon files, which the host decoder does not read.
PictureLoad DecodeIconBytes(const std::vector<unsigned char>& bytes, const std::string& source) {
  PictureLoad load;
  std::optional<IconPicture> icon = DecodeIcon(bytes);
  if (!icon) {
    load.outcome = PictureOutcome::Undecodable;
    return load;
  }
  load.width = icon->width;
  load.height = icon->height;
  load.outcome = PictureOutcome::Loaded;
  load.picture = platform::Picture(std::make_shared<SimPictureData>(icon->width, icon->height, std::move(icon->pixels), source));
  return load;
}

}  // namespace

PictureLoad DecodePictureBytes(const std::vector<unsigned char>& bytes, const std::string& source, long long max_pixels) {
  if (LooksLikeIcon(bytes)) return DecodeIconBytes(bytes, source);
  const auto size = static_cast<int>(bytes.size());
  PictureLoad load;
  int channels = 0;
  if (!IsSystemPictureFormat(bytes)) {
    load.outcome = PictureOutcome::NotAPicture;
    return load;
  }
  // Before the decoder reads anything: reading the header takes in the tables too.
  if (HasHuffmanTablesTheDecoderMisreads(bytes)) {
    load.outcome = PictureOutcome::Undecodable;
    return load;
  }
  if (!stbi_info_from_memory(bytes.data(), size, &load.width, &load.height, &channels)) {
    load.outcome = PictureOutcome::NotAPicture;
    return load;
  }
  if (!LooksWhole(bytes, load.width, load.height)) {
    load.outcome = PictureOutcome::CutOff;
    return load;
  }
  if (load.width <= 0 || load.height <= 0) {  // the host decoder takes a GIF of no height
    load.outcome = PictureOutcome::Undecodable;
    return load;
  }
  if (static_cast<long long>(load.width) * load.height > max_pixels) {
    load.outcome = PictureOutcome::TooLarge;
    return load;
  }
  int width = 0, height = 0;
  unsigned char* rgba = stbi_load_from_memory(bytes.data(), size, &width, &height, &channels, 4);
  if (rgba == nullptr) {
    load.outcome = PictureOutcome::Undecodable;
    return load;
  }
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = rgba[4 * i] | rgba[4 * i + 1] << 8 | rgba[4 * i + 2] << 16 | static_cast<std::uint32_t>(rgba[4 * i + 3]) << 24;
  }
  stbi_image_free(rgba);
  load.outcome = PictureOutcome::Loaded;
  load.picture = platform::Picture(std::make_shared<SimPictureData>(width, height, std::move(pixels), source));
  return load;
}

namespace {

std::optional<std::vector<unsigned char>> ReadRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

PictureLoad LoadPictureFile(const std::string& path) {
  const auto bytes = ReadRegularFile(NativePath(path));
  if (!bytes) return PictureLoad{};
  return DecodePictureBytes(*bytes, path);
}

std::optional<platform::Picture> SimPictures::LoadPicture(const std::string& path) {
  log_.Record("LoadPicture", path);
  return LoadPictureFile(path).picture;
}

platform::Picture SimPictures::LoadDesignPicture(platform::DesignPicture which, int offset) {
  const DesignSize design = DesignSizeOf(which, offset);
  const std::string source = "design:" + std::string(design.name) + ":" + std::to_string(offset);
  const std::vector<std::uint32_t> grey(static_cast<std::size_t>(design.width) * design.height, 0xFF808080u);
  return platform::Picture(std::make_shared<SimPictureData>(design.width, design.height, grey, source));
}

std::string PictureSource(const platform::Picture& picture) {
  const auto* data = dynamic_cast<const SimPictureData*>(picture.Data());
  return data == nullptr ? std::string() : data->Source();
}

}  // namespace tarnwick::sim
