"""The bar's launch buttons with real mouse input, under Wine: a click on button 1 starts the
program its config.ini section names, a double-click starts it once, and a button shows its
one-pixel frame while the mouse button is held down on it."""
import time

import pytest

from harness.launcher import process_count, start_with_design, wait_for_processes

PROGRAM = r"C:\windows\system32\notepad.exe"
DOUBLE_CLICK_SETTLE = 2  # a second start would show within this time


@pytest.mark.parametrize("program", ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"])
def test_launch(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"launch-{name}", f"[001]\r\nsource={PROGRAM}\r\n".encode())
    design = start_with_design(session, folder, program)
    if not design:
        return
    before = process_count(wine, "notepad.exe")

    x, y = design.centre(design.bar_button(1))
    display.click(x, y)
    check.that(wait_for_processes(wine, "notepad.exe", before + 1, 15), "a click on button 1 starts its program")
    session.screenshot(f"launch-click-{name}")

    display.click(x, y, count=2)
    check.that(wait_for_processes(wine, "notepad.exe", before + 2, 15), "a double-click starts it once")
    time.sleep(DOUBLE_CLICK_SETTLE)
    check.equal(process_count(wine, "notepad.exe"), before + 2, "...and only once")

    left, top, _, _ = design.bar_button(2)
    x, y = design.centre(design.bar_button(2))
    corner = display.pixel(left, top)
    display.move(x, y)
    display.mouse_down()
    check.that(display.wait_for_pixel(left, top, lambda colour: colour == (0, 0, 0), 2),
               f"button 2 shows a black frame while pressed (corner was {corner})")
    session.screenshot(f"launch-pressed-{name}")
    display.move(x - 200, y)
    display.mouse_up()
    check.that(display.wait_for_pixel(left, top, lambda colour: colour == corner, 2), "...and loses it on release")
    check.equal(process_count(wine, "notepad.exe"), before + 2, "releasing off the button starts nothing")

