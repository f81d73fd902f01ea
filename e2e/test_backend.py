"""The Windows backend's self-check (e2e/win_tools/backend_selftest.cpp) under Wine, with a
folder of test pictures: good JPEG, PNG and BMP files, and truncated, empty, non-picture and
oversized ones. It runs to its end and every check passes."""
import pathlib
import shutil
import struct

from PIL import Image

from conftest import require_programs
from harness.selftest import run_selftest
from harness.wine import REPO

PICTURE_COLOUR = (0x33, 0x66, 0x99)


def huge_bitmap():
    """A bitmap whose header claims 20 000 x 20 000 pixels, with only a few bytes of pixels after it."""
    pixels = b"\0" * 1200
    file_header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info_header = struct.pack("<IiiHHIIiiII", 40, 20000, 20000, 1, 24, 0, 0, 2835, 2835, 0, 0)
    return file_header + info_header + pixels


def make_pictures(folder):
    folder.mkdir()
    logo = shutil.copy2(REPO / "assets" / "splash_logo.jpg", folder / "splash_logo.jpg")
    data = logo.read_bytes()
    (folder / "truncated.jpg").write_bytes(data[:len(data) // 2])
    (folder / "empty.ini").write_bytes(b"")
    (folder / "not_a_picture.jpg").write_text("not a picture\n")
    Image.new("RGB", (3, 2), PICTURE_COLOUR).save(folder / "three_by_two.png")
    Image.new("RGB", (3, 2), PICTURE_COLOUR).save(folder / "three_by_two.bmp")
    (folder / "huge.bmp").write_bytes(huge_bitmap())


def test_backend(session):
    require_programs(session.build, "backend_selftest.exe")
    pictures = session.work / "pictures"
    make_pictures(pictures)
    windows_folder = session.wine.windows_path(pictures)
    # A copy in the work folder: the self-check looks at the folder of its own program.
    program = pathlib.Path(shutil.copy2(session.build / "backend_selftest.exe", session.work))
    run_selftest(session, program, windows_folder, what="backend")
