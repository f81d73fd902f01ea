"""The LE edition's side panel with real input under Wine, watched from outside: the bar's top
button shows it at once at its fixed spot (no growing); a close request by the title-bar button
or by WM_CLOSE destroys it; the next top button builds it again and reads its pictures afresh
(a tab picture changed between two openings shows); opening and closing it in quick turns, with
50 close requests a second, leaves the program running and quiet; exit from the tray with the
panel open ends the process and removes the icon."""
import time

from PIL import Image

from harness.launcher import start_docked
from harness.log import log
from harness.panel import (Panel, control_centre, ended, exit_from_tray, open_rect, panel_config, press_top_button,
                           runs_quietly, tray_icon_gone, watched)
from harness.waiting import wait_until

PROGRAM = "TarnwickLauncherLE.exe"
RED, BLUE = (200, 30, 30), (30, 60, 200)
TAB_SIZE = (137, 41)
TURNS = 12
TURN_PAUSE = 0.2  # between two presses of the top button while close requests come in


def tab_picture(folder, colour):
    Image.new("RGB", TAB_SIZE, colour).save(folder / "image" / "tab.bmp")


def tab_colour_is(session, handle, colour):
    """Whether the middle of folder tab 1 of the panel `handle` shows `colour`."""
    centre = control_centre(session.wine, PROGRAM, handle, 1)
    return centre is not None and session.display.pixel(*centre) == colour


def check_shown_at_once(session, panel, design, what, shot):
    check, spot = session.checks, open_rect(design)
    samples = watched(session, panel, shot, 10000, 1500, lambda: press_top_button(session.display, design))
    check.equal(samples.last, spot, f"{what} shows the panel at its fixed spot {spot}")
    check.that(samples.sizes == 1 and samples.rects <= 2, f"...at once: one size ({samples.sizes}), no growing")


def check_close_destroys(session, panel, what, folder, close):
    close()
    session.checks.that(wait_until(panel.gone, 20), f"{what} destroys the panel")
    session.checks.that(runs_quietly(session.wine, folder, PROGRAM), "...while the program runs on, with no message")


def check_open_close_turns(session, panel, design, folder):
    display, check = session.display, session.checks
    storm = panel.start("--close", "panel", "150", "20")
    top = design.centre(design.bar_button(0))
    for _ in range(TURNS):
        display.quick_click(*top)
        time.sleep(TURN_PAUSE)
    log(f"close requests that found a panel: {storm.finish(30)}")
    check.that(runs_quietly(session.wine, folder, PROGRAM),
               f"{TURNS} openings among 150 close requests at 50 a second: the program runs on, with no message")
    session.screenshot("panel-le-5-after-open-close-turns")
    press_top_button(display, design)
    spot = open_rect(design)
    check.that(wait_until(lambda: panel.rect() == spot, 20), "...and the top button shows the panel at its spot again")
    check.that(panel.responds(panel.handle()), "...answering")


def test_side_panel_le(session, korean):
    display, wine, check = session.display, session.wine, session.checks
    panel = Panel(korean)
    folder = session.new_folder("le")
    (folder / "image").mkdir()
    tab_picture(folder, RED)
    panel_config(folder, "Pimg1=tab.bmp")
    design = session.design(folder, "le")
    if not start_docked(session, folder, PROGRAM, design, retry=True):
        return

    check_shown_at_once(session, panel, design, "the top button", "panel-le-1-shown")
    first = panel.handle()
    check.that(wait_until(lambda: tab_colour_is(session, first, RED), 10),
               "folder tab 1 shows its picture from the image folder")
    session.screenshot("panel-le-2-open")

    close = panel.close_button(first)
    if close is None:
        log("the probe found no close button on the panel's title bar")
    check_close_destroys(session, panel, "the title bar's close button", folder, lambda: close and display.click(*close))
    session.screenshot("panel-le-3-closed")
    tab_picture(folder, BLUE)
    check_shown_at_once(session, panel, design, "the next top button", "panel-le-4-shown-again")
    second = panel.handle()
    check.that(second and second != first, "...as a new window")
    check.that(wait_until(lambda: tab_colour_is(session, second, BLUE), 10), "...that read the changed picture afresh")
    session.screenshot("panel-le-4-changed-picture")

    check_close_destroys(session, panel, "WM_CLOSE", folder, lambda: panel.post_closes(second, 1, 0))
    check_open_close_turns(session, panel, design, folder)

    exit_from_tray(session, PROGRAM, "panel-le-6-exit-while-open")
    check.that(wait_until(lambda: ended(wine, folder, PROGRAM), 15),
               "exit from the tray with the panel open ends the process")
    check.that(wait_until(lambda: tray_icon_gone(wine), 10), "...and removes the icon")
    session.screenshot("panel-le-7-ended")
