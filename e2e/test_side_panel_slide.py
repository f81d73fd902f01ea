"""The full edition's side panel with real input under Wine, its rectangle sampled from outside:
the bar's top button grows it out of a small box to its open spot; a close request by the
title-bar button or by WM_CLOSE shrinks it and hides it while window and process live on; the
top button grows it again to the same spot, and puts back an open panel that was dragged away;
a storm of 50 close requests a second leaves it hidden and the program quiet. Exit from the tray
ends the process and removes the icon, with the panel open and while it is still opening."""
import threading

from harness.launcher import start_docked
from harness.log import log
from harness.panel import (Panel, Watch, alive_and_quiet, ended, exit_from_tray, open_rect, press_top_button,
                           size_of, tray_icon_gone, watched)
from harness.waiting import wait_until

PROGRAM = "TarnwickLauncher.exe"
WATCH_MS, QUIET_MS = 30000, 1500
MIN_STEPS = 20  # a slide shows at least this many sizes on its way
SMALL = (200, 100)  # the box the opening starts from is smaller than this
DRAG = (-100, -200)  # how far the title bar is dragged
DRAG_STEP_SETTLE = 0.2  # Wine sees each step of the drag as a move of its own
OPENING_SHOT_SECONDS = 0.45  # a screenshot this long after the top button shows the panel opening
EXIT_TRIES = 3


def check_grows_to_open_spot(check, samples, what, spot):
    check.that(samples.grew and samples.sizes >= MIN_STEPS,
               f"{what}: it grows through {samples.sizes} sizes in {samples.ms} ms")
    width, height = size_of(samples.first or [0, 0, 0, 0])
    check.that(samples.first and width < SMALL[0] and height < SMALL[1],
               f"...from a small box ({width} x {height} pixels)")
    check.equal(samples.last, spot, f"...to its open spot {spot}")


def check_shrinks_and_hides(session, panel, samples, what, handle, folder, spot):
    check = session.checks
    check.that(samples.shrank and samples.sizes >= MIN_STEPS,
               f"{what}: it shrinks through {samples.sizes} sizes in {samples.ms} ms")
    last = samples.last or [0, 0, 0, 0]
    width, height = size_of(last)
    check.that(samples.last and not samples.last_visible, f"...and hides at a small size ({width} x {height} pixels)")
    check.equal(last[2:], spot[2:], "...towards its right and bottom edges")
    check.equal(panel.handle(), handle, "...while the window lives on")
    check.that(alive_and_quiet(panel, folder, PROGRAM, handle), "...and the process")


def check_drag_and_put_back(session, panel, design, spot):
    display, check = session.display, session.checks
    left, top = spot[0], spot[1]
    display.move(left + 300, top + 10)
    display.mouse_down()
    for step in (0.5, 1):
        display.move(int(left + 300 + DRAG[0] * step), int(top + 10 + DRAG[1] * step))
    display.mouse_up()
    dragged = [spot[0] + DRAG[0], spot[1] + DRAG[1], spot[2] + DRAG[0], spot[3] + DRAG[1]]
    check.that(wait_until(lambda: panel.rect() == dragged, 2),
               f"the title bar drags the open panel away (to {dragged})")
    session.screenshot("panel-slide-6-dragged")
    press_top_button(display, design)
    check.that(wait_until(lambda: panel.rect() == spot, 30), "the top button puts it back at its open spot")
    session.screenshot("panel-slide-7-put-back")


def check_close_storm(session, panel, design, folder, handle, spot):
    check = session.checks
    press_top_button(session.display, design)
    check.that(panel.post_closes(handle, 150, 20) > 0,
               "150 close requests at 50 a second, from the opening on, are all taken")
    check.that(wait_until(panel.hidden, 30), "...the panel ends hidden")
    check.that(alive_and_quiet(panel, folder, PROGRAM, handle),
               "...and the program runs on, answering, with no message")
    session.screenshot("panel-slide-8-after-close-storm")
    press_top_button(session.display, design)
    check.that(wait_until(lambda: panel.rect() == spot, 30), "...and the top button opens the panel again")


def check_slide(session, panel):
    """The slides; the places of the exit's clicks, or None."""
    display, wine, check = session.display, session.wine, session.checks
    folder = session.new_folder("slide")
    design = session.design(folder)
    spot = open_rect(design)
    if not start_docked(session, folder, PROGRAM, design, retry=True):
        return None
    top_button = lambda: press_top_button(display, design)  # noqa: E731

    samples = watched(session, panel, "panel-slide-1-opening", WATCH_MS, QUIET_MS, top_button)
    check_grows_to_open_spot(check, samples, "the top button", spot)
    session.screenshot("panel-slide-2-open")
    handle = panel.handle()

    close = panel.close_button(handle)
    if close is None:
        log("the probe found no close button on the panel's title bar")
    samples = watched(session, panel, "panel-slide-3-closing", WATCH_MS, QUIET_MS,
                      lambda: close and display.click(*close))
    check_shrinks_and_hides(session, panel, samples, "the title bar's close button", handle, folder, spot)

    samples = watched(session, panel, "panel-slide-4-reopening", WATCH_MS, QUIET_MS, top_button)
    check_grows_to_open_spot(check, samples, "the top button on the hidden panel", spot)

    samples = watched(session, panel, "panel-slide-5-closing", WATCH_MS, QUIET_MS,
                      lambda: panel.post_closes(handle, 1, 0))
    check_shrinks_and_hides(session, panel, samples, "WM_CLOSE", handle, folder, spot)

    top_button()
    wait_until(lambda: panel.rect() == spot, 30)
    check_drag_and_put_back(session, panel, design, spot)
    check_close_storm(session, panel, design, folder, handle, spot)

    places = exit_from_tray(session, PROGRAM, "panel-slide-9-exit-while-open")
    check.that(wait_until(lambda: ended(wine, folder, PROGRAM), 15),
               "exit from the tray with the panel open ends the process")
    check.that(wait_until(lambda: tray_icon_gone(wine), 10), "...and removes the icon")
    session.screenshot("panel-slide-10-ended")
    wine.stop_all()
    return places


def press_top_button_and_exit_quickly(display, design, places, on_press):
    """The top button, then the three clicks of the exit, each as soon as what it clicks is on
    the screen, at the places the first exit found (the menu opens at the pointer and the
    confirmation at the screen's middle, so they are the same each time). A new X window under
    the pointer at the icon says that the menu is up, one at the Yes button that the
    confirmation is: fixed waits long enough for a loaded machine would let a quick one finish
    the opening first. `on_press` is called as the top button is pressed."""
    icon, item, yes = places
    display.move(*yes)
    under_yes = display.pointer_window()
    display.move(*icon)
    under_icon = display.pointer_window()
    on_press()
    display.quick_click(*design.centre(design.bar_button(0)), settle=0.1)
    display.quick_click(*icon, button=3)
    wait_until(lambda: display.pointer_window() != under_icon, 3)
    display.quick_click(*item)
    display.move_now(*yes)
    wait_until(lambda: display.pointer_window() != under_yes, 3)
    display.quick_click(*yes)


def exit_while_opening(session, panel, places, attempt):
    """One try: (whether the process ended, its icon went and the panel was seen growing until
    then, what was seen)."""
    wine = session.wine
    folder = session.new_folder(f"slide-exit-{attempt}")
    design = session.design(folder)
    if not start_docked(session, folder, PROGRAM, design, retry=True):
        return False, "the bar did not dock"
    watch = Watch(panel, 15000, QUIET_MS)
    shot = f"panel-slide-11-exit-while-opening-{attempt}"
    timer = threading.Timer(OPENING_SHOT_SECONDS, session.screenshot, [shot])
    press_top_button_and_exit_quickly(session.display, design, places, timer.start)
    process_ended = bool(wait_until(lambda: ended(wine, folder, PROGRAM), 15))
    icon_gone = bool(wait_until(lambda: tray_icon_gone(wine), 10))
    timer.join()
    samples = watch.finish(session.artifacts / f"{shot}.samples.json")
    log(f"exit while opening: {samples}")
    wine.stop_all()
    outcome = f"process ended: {process_ended}, icon gone: {icon_gone}, panel last seen at {samples.before_gone}"
    opening = samples.gone and samples.before_gone and samples.before_gone != open_rect(design)
    return bool(process_ended and icon_gone and opening), outcome


def check_exit_while_opening(session, panel, places):
    what = "exit from the tray while the panel opens ends the process and removes the icon"
    if places is None or None in places:
        session.checks.fail(f"{what} (the first exit found no places to click)")
        return
    for attempt in range(1, EXIT_TRIES + 1):
        done, outcome = exit_while_opening(session, panel, places, attempt)
        if done:
            session.checks.that(True, f"{what} ({outcome})")
            return
        log(f"try {attempt}: {outcome}")
    session.checks.fail(f"{what} ({outcome})")


def test_side_panel_slide(session, korean):
    panel = Panel(korean)
    places = check_slide(session, panel)
    check_exit_while_opening(session, panel, places)
