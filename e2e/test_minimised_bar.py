"""No window of the launcher can be lost by minimising it, with real input under Wine: neither
the bar nor the side panel has a minimise box, the bar's window menu (Alt+Space) offers no
Minimize, and a bar minimised from outside (as the shell does for Win+Down) comes back, docked
and in front, at a left double-click on the tray icon."""
import time

import pytest

from harness import panel
from harness.launcher import bar_handle, bar_window, menu_centre, start_with_design, tray_icon_centre
from harness.owners import has_no_minimise_box, state_is
from harness.waiting import wait_until

MENU_KEY_SETTLE = 1  # a Minimize chosen from the menu would have minimised the bar by then


@pytest.mark.parametrize("program", ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"])
def test_minimised_bar(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"minimised-{name}")
    design = start_with_design(session, folder, program, retry=True)
    if not design:
        return
    docked = lambda: bar_window(display, program, design)  # noqa: E731
    bar = bar_handle(wine, program)
    check.that(has_no_minimise_box(wine, bar), "the bar has no minimise box")

    # From the keyboard: a click on the bar's bare surface between buttons 1 and 2 gives it the
    # focus, Alt+Space opens its window menu, whose Minimize (n) is not offered.
    left, _, right, _ = design.bar()["outer"]
    display.click((left + right) // 2, (design.bar_button(1)[3] + design.bar_button(2)[1]) // 2)
    wait_until(lambda: state_is(wine, bar, foreground=1), 3)
    display.key("alt+space")
    check.that(wait_until(lambda: menu_centre(wine, program), 3), "Alt+Space opens the bar's window menu")
    session.screenshot(f"minimised-0-window-menu-{name}")
    display.key("n")
    time.sleep(MENU_KEY_SETTLE)
    check.that(state_is(wine, bar, iconic=0) and docked(), "...whose Minimize leaves the bar docked")
    display.key("Escape")
    wait_until(lambda: menu_centre(wine, program) is None, 3)

    panel.press_top_button(display, design)
    shown = wait_until(panel.Panel(wine).shown, 10)
    check.that(shown, "the top button opens the side panel")
    check.that(shown and has_no_minimise_box(wine, shown), "the side panel has no minimise box")
    session.screenshot(f"minimised-1-panel-frame-{name}")

    check.equal(wine.act_on_window("--minimise", bar), 0, "the bar can be minimised from outside")
    check.that(wait_until(lambda: not docked(), 3), "...and is then off its dock")
    session.screenshot(f"minimised-2-bar-minimised-{name}")
    icon = tray_icon_centre(wine)
    if icon:
        display.click(*icon, count=2)
    check.that(wait_until(lambda: state_is(wine, bar, iconic=0), 3),
               "a left double-click on the tray icon restores the bar")
    check.that(wait_until(docked, 3), "...docked at the right edge")
    check.that(wait_until(lambda: state_is(wine, bar, foreground=1), 3), "...and in front")
    session.screenshot(f"minimised-3-bar-restored-{name}")
