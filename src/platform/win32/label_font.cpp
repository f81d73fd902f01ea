#include "platform/win32/label_font.h"

#include <vector>

#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

GdiFont CreateFontOfHeight(const std::wstring& name, int pixel_height) {
  return GdiFont(CreateFontW(-pixel_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, name.c_str()));
}

std::vector<std::wstring> LinesOf(const std::wstring& text) {
  std::vector<std::wstring> lines(1);
  for (const wchar_t c : text) {
    if (c == L'\n') {
      lines.emplace_back();
    } else if (c != L'\r') {
      lines.back() += c;
    }
  }
  return lines;
}

int WidthOf(HDC dc, HFONT font, const std::wstring& line) {
  const GdiSelection selection(dc, font);
  SIZE size{};
  if (!GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size)) return 0;
  return size.cx;
}

}  // namespace

GdiFont FitLabelFont(const std::string& name, int points, int dpi, const std::wstring& text, LabelWidths widths) {
  if (name.empty()) return GdiFont();
  const std::wstring face = Utf8ToWide(name);
  int height = MulDiv(points, dpi, 72);
  GdiFont font = CreateFontOfHeight(face, height);
  if (dpi == 96 || !font.Valid()) return font;

  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc.Valid()) return font;
  const GdiFont design_font = CreateFontOfHeight(face, MulDiv(points, 96, 72));
  std::vector<std::wstring> fitting;  // the lines that are not wrapped at 96 dpi
  for (std::wstring& line : LinesOf(text)) {
    if (WidthOf(dc.Get(), design_font.Get(), line) <= widths.at_96_dpi) fitting.push_back(std::move(line));
  }
  const auto all_fit = [&](HFONT candidate) {
    for (const std::wstring& line : fitting) {
      if (WidthOf(dc.Get(), candidate, line) > widths.at_dpi) return false;
    }
    return true;
  };
  // Never below the 96-dpi size: by then the lines fit, as they did at 96 dpi.
  const int smallest = MulDiv(points, 96, 72);
  while (height > smallest && font.Valid() && !all_fit(font.Get())) {
    font = CreateFontOfHeight(face, --height);
  }
  return font;
}

}  // namespace tarnwick::win32
