"""The start-up of both programs with a zero-length config.ini, under Wine: the splash appears
centred at 436 x 58 pixels with its four lines, fades in through layered opacity, holds opaque,
disappears, and the main window appears about 4 to 5 seconds after the splash did, docked at the
right edge of the screen. Every window stays out of the task list (owned by a hidden owner)."""
import time

import pytest

from harness.log import log
from harness.waiting import sample_for, wait_until

from harness.launcher import edition_of, main_window

SPLASH_LINES = (" Tarnwick™ Launcher Second Edition V1.1{edition} Rev3\r\n  Administrator Version\r\n"
                "  www.tarnwick.example \r\n  Copyright (C) 2026 Tarnwick Software. All rights reserved. ")


def splash_window(display, program, size):
    """The program's mapped window of the splash's `size` (width, height)."""
    return display.find_visible(program, lambda g: g[:2] == size)


def label_text(wine, program):
    """The splash label's text as the system holds it."""
    for window in wine.windows(program):
        for child in window["children"]:
            if child["class"] == "TarnwickControl" and child["visible"] and child["text"]:
                return child["text"]
    return None


def owned_by_hidden_owner(wine, program):
    """Every visible window of the program is owned by a window that is itself hidden."""
    windows = wine.windows(program)
    visible = {w["handle"]: w["visible"] for w in windows}
    shown = [w for w in windows if w["visible"]]
    return bool(shown) and all(w["owner"] != "0" and not visible.get(w["owner"], False) for w in shown)


@pytest.mark.parametrize("program,edition", [("TarnwickLauncher.exe", ""), ("TarnwickLauncherLE.exe", " LE")])
def test_startup(session, program, edition):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"startup-{name}")
    design = session.design(folder, edition_of(program))
    splash_geometry, docked_geometry = design.window_geometry(design.splash()), design.bar_geometry()
    size = splash_geometry[:2]
    started = time.monotonic()
    wine.start(folder, program)
    splash = wait_until(lambda: splash_window(display, program, size), 20)
    if not splash:
        check.fail(f"{program} shows its splash")
        session.screenshot(f"startup-no-splash-{name}")
        return
    shown = time.monotonic()
    values = sample_for(lambda: display.opacity(splash), 0.4)
    session.screenshot(f"startup-1-splash-fading-in-{name}")
    log(f"splash shown {shown - started:.2f} s after start; opacity while fading in: {sorted(set(map(str, values)))}")
    check.equal(display.geometry(splash), splash_geometry, f"the splash is 436 x 58 and centred {splash_geometry}")
    check.that(any(v is not None for v in values), "the splash fades in through layered opacity")
    check.equal(label_text(wine, program), SPLASH_LINES.format(edition=edition),
                "the splash shows the four lines of this edition")
    check.that(owned_by_hidden_owner(wine, program), "the windows stay out of the task list (hidden owner)")
    # The fade-in takes about 0.8 s; a loaded machine stretches it, so wait for its end.
    check.that(wait_until(lambda: splash_window(display, program, size) and display.opacity(splash) is None, 2.5),
               "the splash holds fully opaque (no layered opacity left)")
    session.screenshot(f"startup-2-splash-holding-{name}")

    check.that(wait_until(lambda: not splash_window(display, program, size), 10), "the splash disappears")
    hidden = time.monotonic()
    session.screenshot(f"startup-3-splash-gone-{name}")
    check.that(wait_until(lambda: main_window(display, program), 10), "the main window appears")
    main = time.monotonic()
    session.screenshot(f"startup-4-main-window-{name}")
    seconds = main - shown
    log(f"{program}: splash visible {hidden - shown:.2f} s, pause {main - hidden:.2f} s, splash to main window {seconds:.2f} s")
    # 4.6 s by the clock; a loaded machine stretches the fade steps, never shortens them.
    check.that(3.8 <= seconds <= 6.0, f"the main window follows the splash after about 4 to 5 s ({seconds:.2f} s)")
    check.that(wait_until(lambda: display.geometry(main_window(display, program) or "0") == docked_geometry, 2),
               f"the main window docks at the right edge, full height {docked_geometry}")
    check.that(not splash_window(display, program, size), "the splash stays hidden once the main window shows")
