"""The display's resolution as a person sets it (100, 125, 150, 200 % scaling: 96, 120, 144,
192 dpi), and pictures taken at one resolution compared with pictures taken at 96 dpi."""
import contextlib
import subprocess

from PIL import Image, ImageChops, ImageStat

from .log import log

NORMAL_DPI = 96
DPI_KEY = r"HKCU\Control Panel\Desktop"


def scale_of(dpi):
    """The scaling in % that gives `dpi` (what the skin tool's --scale takes)."""
    return dpi * 100 // NORMAL_DPI


def set_dpi(wine, dpi):
    """The resolution Wine gives every program it starts from now on, kept in the prefix's
    registry (written out when the wineserver ends, which this waits for)."""
    wine.stop_all()
    code, _ = wine.run("reg", "add", DPI_KEY, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
    subprocess.run(["wineserver", "-w"], env=wine.env)
    if code != 0:
        raise RuntimeError(f"could not set {dpi} dpi in the Wine prefix")
    log(f"the display is at {dpi} dpi")


@contextlib.contextmanager
def display_at(wine, dpi):
    """Runs its body with the prefix at `dpi`; afterwards the prefix is at 96 dpi again, whatever
    happened (the other checks share it)."""
    try:
        set_dpi(wine, dpi)
        yield
    finally:
        set_dpi(wine, NORMAL_DPI)


def client_picture(screenshot, window):
    """The client area of `window` (as the window probe reports it) cut from `screenshot`."""
    return screenshot.crop(tuple(window["client"]))


def scaled_to_96(picture, dpi):
    """`picture`, taken at `dpi`, scaled by 96 / dpi."""
    if dpi == NORMAL_DPI:
        return picture
    size = (round(picture.width * NORMAL_DPI / dpi), round(picture.height * NORMAL_DPI / dpi))
    return picture.convert("RGB").resize(size, Image.Resampling.LANCZOS)


def difference(reference, picture, box):
    """Of the area `box` (left, top, right, bottom) of both pictures: the mean difference of the
    colour channels in % of full scale, and the share in % of pixels whose colour differs by more
    than 20 % (the root mean square of the channels' differences)."""
    diff = ImageChops.difference(reference.convert("RGB").crop(box), picture.convert("RGB").crop(box))
    mean = sum(ImageStat.Stat(diff).mean) / 3 / 255 * 100
    limit = 3 * (0.2 * 255) ** 2
    outliers = sum(1 for r, g, b in diff.getdata() if r * r + g * g + b * b > limit)
    return mean, 100 * outliers / (diff.width * diff.height)


def ink_box(picture, box, background=(0, 0, 0)):
    """The bounding box (left, top, right, bottom, relative to `box`) of the pixels in `box` whose
    colour is more than 30 % away from `background`, or None."""
    area = picture.convert("RGB").crop(box)
    limit = 3 * (0.3 * 255) ** 2
    mask = Image.new("L", area.size)
    mask.putdata([255 * (sum((c - b) ** 2 for c, b in zip(pixel, background)) > limit) for pixel in area.getdata()])
    return mask.getbbox()
