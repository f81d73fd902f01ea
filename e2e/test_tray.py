"""The bar and its tray icon with real input, under Wine without a virtual desktop, where Wine
shows notification-area icons in its own small tray window: the icon is there and comes back
after a shell restart; a right-click opens the menu, "종료" asks for confirmation, No keeps the
program, Yes ends it and removes the icon; a left double-click shows the hidden bar again.
Also: the bar docks at the right edge and snaps back after being moved or resized from
outside, a skin picture from the image folder shows on its button, a button without "source"
starts nothing, and an edited "source" is used at the next click."""
import shutil
import time

import pytest
from PIL import Image

from harness.boxes import box_with_text, boxes, click_box_button
from harness.launcher import TITLE, bar_handle, bar_window, open_tray_menu, start_with_design, tray_icon_centre
from harness.marker import marker_command, markers
from harness.waiting import wait_until

SKIN_COLOUR = (32, 192, 64)
NOTHING_STARTS_SETTLE = 2  # what a click started would have shown by then
ANSWER_SETTLE = 1  # an ending program would be gone by then


def write_config(wine, folder, word):
    """Button 1 runs write_marker.exe, which adds `word` to marker.txt; button 2 only has a skin picture."""
    command = marker_command(wine, folder, word)
    (folder / "config.ini").write_bytes(f"[001]\r\nsource={command}\r\n[002]\r\nimage=solid.bmp\r\n".encode())


def check_bar(session, program, folder, design, name):
    """Moves and resizes the bar from another program (what a window manager or a tool would do
    through the window system) and expects it back. A move made directly on the X display,
    behind Wine's back, is not seen by Wine and not checked here."""
    display, wine, check = session.display, session.wine, session.checks
    docked = lambda: bar_window(display, program, design)  # noqa: E731
    bar = bar_handle(wine, program)
    check.equal(wine.act_on_window("--place", bar, "200", "100", "89", "800"), 0, "the bar can be moved from outside")
    check.that(wait_until(docked, 1), "...and is back at the right edge")
    width, height, left, _ = design.bar_geometry()
    check.equal(wine.act_on_window("--place", bar, str(left), "0", "300", "400"), 0, "the bar can be resized from outside")
    check.that(wait_until(docked, 1), f"...and is back to {width} x {height}")
    x, y = design.centre(design.bar_button(2))
    check.equal(display.pixel(x, y), SKIN_COLOUR, "button 2 shows its skin picture from the image folder")
    session.screenshot(f"tray-1-bar-{name}")
    display.click(x, y)
    time.sleep(NOTHING_STARTS_SETTLE)
    check.that(not (folder / "marker.txt").exists(), 'a button without "source" starts nothing')
    check.equal(boxes(wine, program), [], "...and shows no message")
    display.click(*design.centre(design.bar_button(1)))
    check.that(wait_until(lambda: markers(folder) == "one", 10), "button 1 starts its command")
    write_config(wine, folder, "two")
    display.click(*design.centre(design.bar_button(1)))
    check.that(wait_until(lambda: markers(folder) == "one,two", 10),
               'after an edit of "source" the next click starts the new command')


def choose_exit(session, program, screenshot):
    """Right-click on the icon, then "종료", the menu's only item."""
    centre = open_tray_menu(session.display, session.wine, program)
    session.checks.that(centre, "a right-click on the icon opens the menu")
    session.screenshot(screenshot)
    if centre:
        session.display.click(*centre)


@pytest.mark.parametrize("program,title", [("TarnwickLauncher.exe", TITLE), ("TarnwickLauncherLE.exe", TITLE + " LE")])
def test_tray(session, program, title):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    for tool in ("write_marker.exe", "shell_restart.exe"):
        assert (session.build / tool).is_file(), f"{session.build / tool} is missing"
    folder = session.new_folder(f"tray-{name}", None)
    shutil.copy2(session.build / "write_marker.exe", folder)
    (folder / "image").mkdir()
    Image.new("RGB", (73, 57), SKIN_COLOUR).save(folder / "image" / "solid.bmp")
    write_config(wine, folder, "one")
    design = start_with_design(session, folder, program, retry=True)
    if not design:
        return
    check_bar(session, program, folder, design, name)
    check.that(tray_icon_centre(wine), "its icon is in the tray")
    bar = bar_handle(wine, program)

    wine.run(str(session.build / "shell_restart.exe"), bar)
    check.that(wait_until(lambda: tray_icon_centre(wine), 2), "after a shell restart the icon is back")

    question = f"{title} Program Termination?"
    choose_exit(session, program, f"tray-2-menu-{name}")
    check.that(wait_until(lambda: box_with_text(wine, program, "Close", question), 5), f'"종료" asks "{question}"')
    session.screenshot(f"tray-3-confirmation-{name}")
    click_box_button(display, wine, program, "Close", "&No")
    time.sleep(ANSWER_SETTLE)
    check.equal(wine.program_count(folder, program), 1, "answering No keeps the program running")
    check.that(tray_icon_centre(wine), "...and its icon")

    wine.act_on_window("--hide", bar)
    hidden = lambda: any(w["handle"] == bar and not w["visible"] for w in wine.windows(program))  # noqa: E731
    check.that(wait_until(hidden, 2), "the bar can be hidden from outside")
    icon = tray_icon_centre(wine)
    if icon:
        display.click(*icon, count=2)
    check.that(wait_until(lambda: bar_window(display, program, design), 3),
               "a left double-click on the icon shows the bar again")

    choose_exit(session, program, f"tray-4-menu-again-{name}")
    wait_until(lambda: box_with_text(wine, program, "Close", question), 5)
    click_box_button(display, wine, program, "Close", "&Yes")
    check.that(wait_until(lambda: wine.program_count(folder, program) == 0, 5), "answering Yes ends the program")
    check.that(wait_until(lambda: tray_icon_centre(wine) is None, 3), "...and its icon is gone")
    session.screenshot(f"tray-5-ended-{name}")
