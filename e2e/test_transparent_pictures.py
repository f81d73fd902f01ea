"""Skin pictures with transparent parts under Wine, full edition: on the bar, an alpha PNG, a GIF
with a transparent colour and an icon, each opaque in its left half only, show the bar's
background picture through their right half, and the bar's colour where they stand below that
picture; on the side panel, an alpha PNG folder tab shows the panel's background picture.
Pixels are read from the screen."""
import struct

from PIL import Image

from harness import panel
from harness.launcher import start_docked
from harness.skin_folders import write_config
from harness.waiting import wait_until

PROGRAM = "TarnwickLauncher.exe"
RED, BLUE, YELLOW, ORANGE = (255, 0, 0), (0, 0, 255), (255, 255, 0), (255, 128, 0)
GREEN, TEAL, BAR_COLOUR = (0, 160, 0), (0, 160, 160), (64, 64, 64)


def half_picture(size, colour):
    """A picture whose left half has `colour` and whose right half is transparent."""
    picture = Image.new("RGBA", size, (0, 0, 0, 0))
    picture.paste((*colour, 255), (0, 0, size[0] // 2, size[1]))
    return picture


def save_gif(picture, path):
    """With one palette entry as the transparent colour."""
    indexed = Image.new("P", picture.size, 1)
    indexed.putpalette([*picture.getpixel((0, 0))[:3], 0, 0, 0])
    indexed.paste(0, (0, 0, picture.size[0] // 2, picture.size[1]))
    indexed.save(path, transparency=1)


def save_icon(picture, path):
    """An icon of one 32-bit image with its alpha and its transparency mask (a bitmap icon, as
    icon editors write small sizes)."""
    width, height = picture.size
    pixels = picture.transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", "BGRA")
    row = (width + 31) // 32 * 4
    mask = bytearray(row * height)
    for y in range(height):
        for x in range(width):
            if picture.getpixel((x, height - 1 - y))[3] == 0:
                mask[y * row + x // 8] |= 0x80 >> (x % 8)
    image = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image += pixels + bytes(mask)
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 32, len(image), 22)
    path.write_bytes(header + image)


def make_skin(folder):
    images = folder / "image"
    images.mkdir()
    Image.new("RGB", (89, 300), GREEN).save(images / "bar.bmp")
    Image.new("RGB", (1015, 290), TEAL).save(images / "panel.bmp")
    half_picture((73, 57), RED).save(images / "alpha.png")
    save_gif(half_picture((73, 57), BLUE), images / "clear.gif")
    save_icon(half_picture((48, 48), YELLOW), images / "icon.ico")
    half_picture((137, 41), ORANGE).save(images / "tab.png")
    write_config(folder, "[BG1]", "image=bar.bmp", "[BG2]", "image=panel.bmp", "[001]", "image=alpha.png",
                       "[002]", "image=clear.gif", "[003]", "image=icon.ico", "[006]", "image=alpha.png",
                       "[Tarnwick™]", "Pimg1=tab.png")


def halves(rect):
    """A point in the left and one in the right half of `rect`, at its middle height."""
    left, top, right, bottom = rect
    inset, y = (right - left) // 6, (top + bottom) // 2
    return (left + inset, y), (right - inset, y)


def check_pixel(session, what, at, colour):
    seen = session.display.pixel(*at)
    session.checks.equal(seen, colour, f"{what} ({colour} at {at[0]},{at[1]}; seen {seen})")


def test_transparent_pictures(session, korean):
    display, wine, check = session.display, session.wine, session.checks
    folder = session.new_folder("transparent")
    make_skin(folder)
    design = session.design(folder)
    if not start_docked(session, folder, PROGRAM, design, retry=True):
        return
    display.wait_for_pixel(*halves(design.bar_button(1))[1], lambda colour: colour == GREEN, 10)
    session.screenshot("transparent-pictures-bar")
    for number, what, colour, behind, what_behind in (
            (1, "an alpha PNG", RED, GREEN, "the background picture"),
            (2, "a GIF with a transparent colour", BLUE, GREEN, "the background picture"),
            (3, "an icon", YELLOW, GREEN, "the background picture"),
            (6, "an alpha PNG below the background picture", RED, BAR_COLOUR, "the bar's colour")):
        opaque, clear = halves(design.bar_button(number))
        check_pixel(session, f"button {number}, {what}: its opaque half", opaque, colour)
        check_pixel(session, f"...its transparent half shows {what_behind}", clear, behind)

    panel.press_top_button(display, design)
    check.that(wait_until(lambda: panel.Panel(wine).rect() == panel.open_rect(design), 60),
               "the top button opens the panel")
    opaque, clear = halves(design.control(design.panel(), "image", 1))
    display.wait_for_pixel(*clear, lambda colour: colour == TEAL, 10)
    session.screenshot("transparent-pictures-panel")
    check_pixel(session, "folder tab 1, an alpha PNG stretched to the tab: its opaque half", opaque, ORANGE)
    check_pixel(session, "...its transparent half shows the panel's background picture", clear, TEAL)
