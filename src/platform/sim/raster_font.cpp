#include "platform/sim/raster_font.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include <stb/stb_easy_font.h>

namespace tarnwick::sim {
namespace {

constexpr int kLineHeight = 12, kUnderlineRow = 9;
constexpr std::size_t kChunk = 64;
constexpr int kMaxUnderlinedGlyph = 4096;  // beyond any image width
constexpr long long kMaxExtent = 1 << 28;

struct PreparedText {
  std::string glyphs;  // printable ASCII only
  int access_key = -1;  // index of the underlined glyph
};

// One glyph per UTF-8 character: printable ASCII as is, anything else "?".
std::string ToGlyphs(const std::string& utf8) {
  std::string glyphs;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) == 0x80) continue;  // continuation byte of a character already counted
    glyphs += c >= 32 && c < 127 ? char(c) : '?';
  }
  return glyphs;
}

PreparedText Prepare(const std::string& utf8, bool prefix) {
  const std::string glyphs = ToGlyphs(utf8);
  if (!prefix) return {glyphs};
  PreparedText prepared;
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    if (glyphs[i] == '&' && i + 1 < glyphs.size()) {
      ++i;
      if (glyphs[i] != '&') prepared.access_key = int(prepared.glyphs.size());
    } else if (glyphs[i] == '&') {
      continue;  // a lone "&" at the end marks nothing
    }
    prepared.glyphs += glyphs[i];
  }
  return prepared;
}

int Scale(const platform::FontSpec& font) { return std::max(1, int(std::lround(font.points / 9.0))); }
int BoldExtra(const platform::FontSpec& font) { return font.weight >= 600 ? 1 : 0; }

int GlyphWidth(const std::string& glyphs) {
  return stb_easy_font_width(const_cast<char*>(glyphs.c_str()));
}

struct Quad {
  float x0, y0, x1, y1;
};

std::vector<Quad> GlyphQuads(const std::string& glyphs) {
  struct Vertex {
    float x, y, z;
    unsigned char colour[4];
  };
  // Room for 64 quads a glyph, left uninitialised: only the quads the font writes are read,
  // and clearing the whole room cost more than drawing the text.
  const std::size_t room = glyphs.size() * 4 * 64 + 4;
  const std::unique_ptr<Vertex[]> vertices(new Vertex[room]);
  const int quads = stb_easy_font_print(0, 0, const_cast<char*>(glyphs.c_str()), nullptr,
                                        vertices.get(), int(room * sizeof(Vertex)));
  std::vector<Quad> result;
  result.reserve(std::size_t(std::max(quads, 0)));
  for (int q = 0; q < quads; ++q) {
    const Vertex* v = &vertices[std::size_t(q) * 4];
    result.push_back({std::min(v[0].x, v[2].x), std::min(v[0].y, v[2].y),
                      std::max(v[0].x, v[2].x), std::max(v[0].y, v[2].y)});
  }
  return result;
}

void FillScaled(RasterImage& image, int x, int y, const Quad& quad, int scale, platform::Colour c) {
  const int top = y + int(std::lround(quad.y0 * scale)), bottom = y + int(std::lround(quad.y1 * scale));
  const int left = x + int(std::lround(quad.x0 * scale)), right = x + int(std::lround(quad.x1 * scale));
  for (int row = top; row < bottom; ++row) image.FillRun(row, left, right, c);
}

}  // namespace

platform::TextExtent MeasureRasterText(const std::string& utf8, const platform::FontSpec& font) {
  const std::string glyphs = ToGlyphs(utf8);
  if (glyphs.empty()) return {0, 0};
  const long long width = static_cast<long long>(GlyphWidth(glyphs)) * Scale(font) + BoldExtra(font);
  return {int(std::min(width, kMaxExtent)), kLineHeight * Scale(font)};
}

void DrawRasterText(RasterImage& image, int x, int y, const std::string& utf8,
                    const platform::FontSpec& font, platform::Colour colour, bool prefix) {
  const PreparedText text = Prepare(utf8, prefix);
  const int scale = Scale(font);
  // In chunks, so that a very long text costs nothing beyond the image's right edge.
  long long chunk_x = x;
  for (std::size_t first = 0; first < text.glyphs.size() && chunk_x < image.Width(); first += kChunk) {
    const std::string chunk = text.glyphs.substr(first, kChunk);
    for (const Quad& quad : GlyphQuads(chunk))
      for (int extra = 0; extra <= BoldExtra(font); ++extra)
        FillScaled(image, int(chunk_x) + extra, y, quad, scale, colour);
    chunk_x += static_cast<long long>(GlyphWidth(chunk)) * scale;
  }
  if (text.access_key < 0 || text.access_key >= kMaxUnderlinedGlyph) return;
  const int left = GlyphWidth(text.glyphs.substr(0, std::size_t(text.access_key))) * scale;
  const int right = GlyphWidth(text.glyphs.substr(0, std::size_t(text.access_key) + 1)) * scale - scale;
  for (int row = 0; row < scale; ++row)
    image.FillRun(y + kUnderlineRow * scale + row, x + left, x + right, colour);
}

}  // namespace tarnwick::sim
