"""The side panel with bad configuration under Wine (full edition): folder tabs naming a folder of
10 000 files, a folder reached through "..", an absolute path, a 254-byte name, a file, and a
missing folder; tab pictures that claim 20 000 x 20 000 pixels or are cut off. None may crash
the program, hang it or bring a message; the log records what the view lists for each tab
(after a tab with a known folder, so that each listing is the tab's own), and the pictures that
cannot be shown leave the tabs' built-in pictures."""
import struct
import time
import zlib

from PIL import Image, ImageChops

from harness.launcher import start_docked
from harness.log import log
from harness.panel import Panel, alive_and_quiet, click_control, control_rect, open_panel, panel_config
from harness.waiting import wait_until

PROGRAM = "TarnwickLauncher.exe"
LONG_NAME = "n" * 254
MANY = 10000
TAB_SETTLE = 2  # what a tab shows of its folder is listed by then
SIGN_WIDTH = 30  # the left part of a tab, its folder sign before the label


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def huge_png(path):
    """A valid 1-bit grey PNG of 20 000 x 20 000 pixels (about 50 KB: its rows compress to nothing)."""
    rows = zlib.compressobj(9)
    data = b"".join(rows.compress(b"\0" * 2501) for _ in range(20000)) + rows.flush()
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", 20000, 20000, 1, 0, 0, 0, 0))
                     + png_chunk(b"IDAT", data) + png_chunk(b"IEND", b""))


def cut(whole, path, size):
    path.write_bytes(whole.read_bytes()[:size])


def make_folder(session, folder):
    outside = session.work / "outside"
    for sub in (folder / "many", folder / "good", folder / LONG_NAME, folder / "image", outside):
        sub.mkdir(parents=True, exist_ok=True)
    for number in range(1, MANY + 1):
        (folder / "many" / f"file-{number:05d}.txt").touch()
    (folder / "good" / "good-file.txt").touch()
    (outside / "outside-file.txt").touch()
    (folder / LONG_NAME / "long-file.txt").touch()
    image = folder / "image"
    huge_png(image / "huge.png")
    blue = Image.linear_gradient("L").resize((137, 41))  # red at the top, blue at the bottom
    Image.merge("RGB", (blue.point(lambda v: 255 - v), Image.new("L", blue.size), blue)).save(image / "whole.jpg")
    cut(image / "whole.jpg", image / "cut.jpg", (image / "whole.jpg").stat().st_size // 2)
    Image.new("RGB", (137, 41), (0, 128, 0)).save(image / "whole.bmp")
    cut(image / "whole.bmp", image / "cut.bmp", 5000)
    panel_config(folder, "PUrl1=many", r"PUrl2=..\outside", r"PUrl3=C:\windows", f"PUrl4={LONG_NAME}",
                 "PUrl5=config.ini", "PUrl6=missing", "PUrl7=good", "Pimg1=huge.png", "Pimg2=cut.jpg", "Pimg3=cut.bmp")


class BadInput:
    def __init__(self, session, panel, folder, handle):
        self.session, self.panel, self.folder, self.handle = session, panel, folder, handle

    def sign(self, screen, number):
        """The folder sign of tab `number` on `screen`, or None when the tab is not found."""
        rect = control_rect(self.session.wine, PROGRAM, self.handle, number)
        return screen.crop((rect[0] + 2, rect[1], rect[0] + 2 + SIGN_WIDTH, rect[3])) if rect else None

    def built_in(self, screen, number):
        """Whether tab `number` shows the built-in picture, as tab 5, which has no picture configured."""
        sign, plain = self.sign(screen, number), self.sign(screen, 5)
        return sign is not None and plain is not None and ImageChops.difference(sign, plain).getbbox() is None

    def pictures(self):
        check, screen = self.session.checks, self.session.display.grab()
        check.that(self.built_in(screen, 1), "a tab picture of 20 000 x 20 000 pixels leaves the built-in picture")
        check.that(self.built_in(screen, 2), "a cut-off JPEG leaves the built-in picture")
        log(f"tab 3 with a cut-off BMP: {'built-in picture' if self.built_in(screen, 3) else 'a picture of its own'}")

    def tab(self, number, what):
        """Shows the known folder first, then tab `number`, and records what the view lists."""
        session, panel = self.session, self.panel
        click_control(session.display, session.wine, PROGRAM, self.handle, 7)
        if not wait_until(lambda: panel.shows_item(self.handle, "good-file.txt"), 10):
            session.checks.fail("the known folder of tab 7 shows")
        click_control(session.display, session.wine, PROGRAM, self.handle, number)
        time.sleep(TAB_SETTLE)
        log(f"tab {number}, {what}: the view lists {panel.items(self.handle, 3)}")
        session.checks.that(alive_and_quiet(panel, self.folder, PROGRAM, self.handle),
                            "...no crash, no hang, no message")
        session.screenshot(f"panel-bad-input-tab{number}")


def test_side_panel_bad_input(session, korean):
    check = session.checks
    panel = Panel(korean)
    folder = session.new_folder("bad-input")
    make_folder(session, folder)
    design = session.design(folder)
    if not start_docked(session, folder, PROGRAM, design, retry=True):
        return
    started = time.monotonic()
    handle = open_panel(session, panel, design)
    if handle is None:
        return
    check.that(wait_until(lambda: panel.item_count(handle) == MANY, 60), "the folder of 10 000 files is listed whole")
    log(f"...within {time.monotonic() - started:.1f} s of the top button; first items: {panel.items(handle, 2)[1]}")
    check.that(alive_and_quiet(panel, folder, PROGRAM, handle), "...and the program answers")
    session.screenshot("panel-bad-input-1-many-files")
    bad = BadInput(session, panel, folder, handle)
    bad.pictures()
    bad.tab(2, r'"..\outside"')
    bad.tab(3, r'"C:\windows" (an absolute path)')
    bad.tab(4, "a 254-byte folder name")
    bad.tab(5, '"config.ini" (a file)')
    bad.tab(6, "a missing folder")
