"""The launcher's message boxes have owners, with real input under Wine:
 - the exit confirmation is owned by the bar, the About box by the side panel, the start-up
   refusal by the program's hidden splash window; the owner is disabled while its box is open;
 - with another program in front, a click on the disabled bar (or panel) brings its box forward;
 - on Wine's desktop with a taskbar, neither the refusal nor the About box gets a taskbar
   button of its own (only Start is there)."""
import time

import pytest

from harness import panel
from harness.boxes import click_box_button
from harness.desktop import box_on_desktop, main_window_on_desktop, shows_on_desktop, taskbar_buttons
from harness.launcher import bar_handle, edition_of, open_tray_menu, start_with_design
from harness.log import log
from harness.owners import box, box_owner, put_notepad_in_front, state_is
from harness.waiting import wait_until, wait_until_steady

PROGRAMS = ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"]
MENU_RETRY_PAUSE = 1  # Wine's menu loop ends at once in runs of right-clicks; a moment later it stays
ABOUT = 8  # the panel's About button
REST_READING = 0.5  # the panel is at rest when two readings this far apart agree (it slides open)


def click_brings_box(session, program, caption, at, what):
    """Puts Notepad in front of everything, then clicks at `at` on a window that `caption`'s box
    disabled, and expects the box in front again."""
    wine, check = session.wine, session.checks
    shown = box(wine, program, caption)
    check.that(put_notepad_in_front(session), f'Notepad is in front of the "{caption}" box')
    session.display.click(*at)
    check.that(shown and wait_until(lambda: state_is(wine, shown["handle"], foreground=1), 5),
               f'a click on the disabled {what} brings the "{caption}" box forward')


def open_menu(session, program):
    """The tray menu's middle; a person whose menu closed at once tries again a moment later."""
    for _ in range(3):
        centre = open_tray_menu(session.display, session.wine, program)
        if centre:
            return centre
        log("the tray menu did not stay open; trying again in a second")
        time.sleep(MENU_RETRY_PAUSE)
    return None


@pytest.mark.parametrize("program", PROGRAMS)
def test_owned_boxes(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"boxes-{name}")
    design = start_with_design(session, folder, program, retry=True)
    if not design:
        return
    bar = bar_handle(wine, program)

    centre = open_menu(session, program)
    check.that(centre, "the tray menu opens")
    if centre:
        display.click(*centre)
    check.that(wait_until(lambda: box(wine, program, "Close"), 5), '"종료" shows the exit confirmation')
    check.equal(box_owner(wine, program, "Close"), bar, f"the exit confirmation is owned by the bar ({bar})")
    check.that(state_is(wine, bar, enabled=0), "...which is disabled while it is open")
    click_brings_box(session, program, "Close", design.centre(design.bar_button(5)), "bar")
    session.screenshot(f"boxes-1-confirmation-forward-{name}")
    click_box_button(display, wine, program, "Close", "&No")
    check.that(wait_until(lambda: state_is(wine, bar, enabled=1), 3), "after No the bar is enabled again")

    side_panel = panel.Panel(wine)
    panel.press_top_button(display, design)
    handle = wait_until(side_panel.shown, 10)
    if not check.that(handle, "the top button opens the side panel"):
        return
    wait_until(lambda: side_panel.rect() == panel.open_rect(design), 10)
    panel.click_control(display, wine, program, handle, ABOUT)
    check.that(wait_until(lambda: box(wine, program, "About..."), 5), "About shows its box")
    check.equal(box_owner(wine, program, "About..."), handle, f"the About box is owned by the panel ({handle})")
    check.that(state_is(wine, handle, enabled=0) and state_is(wine, bar, enabled=0),
               "...which is disabled while it is open, and so is the bar")
    click_brings_box(session, program, "About...", panel.control_centre(wine, program, handle, 1), "panel")
    session.screenshot(f"boxes-2-about-forward-{name}")
    click_box_button(display, wine, program, "About...", "OK")
    check.that(wait_until(lambda: state_is(wine, handle, enabled=1) and state_is(wine, bar, enabled=1), 3),
               "after OK the panel and the bar are enabled again")

    wine.start(folder, program)
    check.that(wait_until(lambda: box(wine, program, name), 20), "a second copy shows its refusal")
    owner = box_owner(wine, program, name)
    check.that(any(w["handle"] == owner and not w["visible"] and w["class"] == "TarnwickWindow"
                   for w in wine.windows(program)),
               f"the refusal is owned by the second copy's hidden splash window ({owner})")
    click_box_button(display, wine, program, name, "OK")


def desktop_about_centre(wine, program, design):
    """The middle of the side panel's About button on the desktop; the panel is the program's
    visible window that is not the bar."""
    bar_left = design.bar()["outer"][0]
    for window in wine.windows(program, on_desktop=True):
        if window["visible"] and window["class"] == "TarnwickWindow" and window["rect"][0] != bar_left:
            children = window["children"]
            index = panel.CONTROL_ORDER.index(ABOUT)
            return design.centre(children[index]["rect"]) if len(children) > index else None
    return None


@pytest.mark.parametrize("program", PROGRAMS)
def test_no_task_list_entry(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"boxes-desktop-refusal-{name}", None)
    wine.start(folder, program, on_desktop=True)
    refusal = lambda wine, program: box_on_desktop(wine, program, name)  # noqa: E731
    check.that(wait_until(lambda: shows_on_desktop(wine, folder, program, refusal), 30),
               "the refusal shows on the desktop")
    buttons = taskbar_buttons(wine)
    check.equal(buttons, 1, f"...without a taskbar button of its own: {buttons} button(s)")
    session.screenshot(f"boxes-3-refusal-desktop-{name}")
    wine.stop_all()

    folder = session.new_folder(f"boxes-desktop-about-{name}")
    design = session.design(folder, edition_of(name))
    if not session.start_ready(f"{program} reaches its main window on the desktop", folder, program,
                               lambda: shows_on_desktop(wine, folder, program, main_window_on_desktop),
                               on_desktop=True, retry=True):
        return
    bar_left = design.bar()["outer"][0]
    wait_until(lambda: any(w["visible"] and w["class"] == "TarnwickWindow" and w["rect"][:2] == [bar_left, 0]
                           for w in wine.windows(program, on_desktop=True)), 10)
    panel.press_top_button(display, design)
    about = wait_until_steady(lambda: desktop_about_centre(wine, program, design), 20, REST_READING)
    check.that(about, "the side panel opens on the desktop and comes to rest")
    if about:
        display.click(*about)
    check.that(wait_until(lambda: box_on_desktop(wine, program, "About..."), 5), "About shows its box on the desktop")
    buttons = taskbar_buttons(wine)
    check.equal(buttons, 1, f"...without a taskbar button of its own: {buttons} button(s)")
    session.screenshot(f"boxes-4-about-desktop-{name}")
