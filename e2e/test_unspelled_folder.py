"""Both programs started from a folder whose name the ANSI code page cannot spell (Thai letters
and an emoji, on a Korean system: code page 949), under Wine with real input: config.ini is read
there like anywhere else, so the skin picture shows on its button and a button starts the
program its "source" names."""
import shutil

import pytest
from PIL import Image

from harness.launcher import start_with_design
from harness.waiting import wait_until

SKIN_COLOUR = (200, 40, 160)
FOLDER_NAME = "ทดสอบ 😀"


@pytest.mark.parametrize("program", ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"])
def test_unspelled_folder(session, korean, program):
    display, check = session.display, session.checks
    name = program.removesuffix(".exe")
    # The program and the marker are named relative to the program's folder: the code page
    # cannot spell the folder in config.ini either.
    folder = session.new_folder(f"{name}/{FOLDER_NAME}",
                                b"[001]\r\nsource=write_marker.exe marker.txt started\r\n[003]\r\nimage=skin.bmp\r\n")
    shutil.copy2(session.build / "write_marker.exe", folder)
    (folder / "image").mkdir()
    Image.new("RGB", (73, 57), SKIN_COLOUR).save(folder / "image" / "skin.bmp")
    design = start_with_design(session, folder, program, retry=True)
    if not design:
        return
    x, y = design.centre(design.bar_button(3))
    check.that(display.wait_for_pixel(x, y, lambda colour: colour == SKIN_COLOUR, 3),
               f"button 3 shows the skin picture that config.ini names: {display.pixel(x, y)}")
    session.screenshot(f"unspelled-folder-1-skin-{name}")
    display.click(*design.centre(design.bar_button(1)))
    marker = folder / "marker.txt"
    check.that(wait_until(lambda: marker.exists() and marker.read_text().strip() == "started", 10),
               "button 1 starts the program that config.ini names")
