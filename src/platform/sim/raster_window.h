#pragma once
// Simulated windows drawn as the system shows them: the frame and title bar of a captioned
// window, the client area in its background colour with the background picture unscaled at its
// top left, and every control: pictures stretched where the control stretches them (else at
// natural size, cut to the control) over the window's background, which shows through their
// transparent parts, the one-pixel black press frame, and the folder view as a white pane.
#include <cstdint>

#include "platform/drawing_port.h"
#include "platform/sim/raster_image.h"
#include "platform/sim/sim_window_table.h"
#include "platform/sim/sim_windows.h"

namespace tarnwick::sim {

// The window's outer rectangle on the screen, in whole pixels.
platform::PixelRect OuterPixels(const SimWindow& window, const SimScreen& screen);

// The client area, in pixels from the window's top left: inside the frame and title bar of a
// captioned window, else the whole window.
platform::PixelRect ClientPixels(const SimWindow& window, const SimScreen& screen);
// A control's rectangle, in pixels from the window's top left, given the window's client area.
platform::PixelRect ControlPixels(const platform::ControlSpec& spec, const SimScreen& screen,
                                  const platform::PixelRect& client);

// The whole window, outer size, in pixels.
RasterImage RenderSimWindow(const SimWindow& window, const SimScreen& screen);

// The window's opacity as the system applies it: its last alpha when layered, else 255.
std::uint8_t ShownOpacity(const SimWindow& window);

// Puts `top` onto `image` with its top left at (x, y) and opacity `alpha` (255: opaque).
void BlendOnto(RasterImage& image, const RasterImage& top, int x, int y, std::uint8_t alpha);

}  // namespace tarnwick::sim
