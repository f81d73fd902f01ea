#pragma once
// The font of a label at a monitor's resolution. Glyph widths do not grow exactly with the
// resolution (hinting rounds each glyph to whole pixels), so a line that just fits its label at
// 96 dpi can be a few pixels too wide at 144 dpi and wrap, pushing its last word out of the
// label. The label keeps its 96-dpi line breaks: where a line that fits at 96 dpi would not fit
// at the present resolution, the font is made a pixel smaller until it does.
#include <windows.h>

#include <string>

#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

struct LabelWidths {
  int at_96_dpi = 0;  // the label's width in pixels at 96 dpi
  int at_dpi = 0;     // and at the present resolution
};

// No font (the system's) when the design names none.
GdiFont FitLabelFont(const std::string& name, int points, int dpi, const std::wstring& text, LabelWidths widths);

}  // namespace tarnwick::win32
