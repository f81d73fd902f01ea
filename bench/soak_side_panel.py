"""Soak of the side panel under Wine, measured from outside the program: the panel is opened with
the bar's top button and closed with its title-bar close button, again and again (real X
input), in the full edition (the panel grows to its place and shrinks away) and in the LE
edition (it is built at each opening and destroyed at each close). The program's USER and GDI
object counts and private memory are read before the first opening, after the first cycle,
after every tenth of the run and at the end; the reading after the first tenth is the
reference (what the first openings allocate once, such as the shell's icons for the folder
view, is there by then), and the end must not lie above it. The tables and screenshots go to
e2e-artifacts/soak/<arch>/.
A benchmark, not a test: not run by ctest. Exit codes as in bench/soak.py.
    /usr/bin/python3 bench/soak_side_panel.py BUILD_FOLDER [CYCLES (200)] [full|le|both (both)]"""
import time

from wine_bench import CannotMeasure, Table, command_line, log, run, sample_folder, soak_session

from harness.launcher import bar_window
from harness.panel import press_top_button
from harness.waiting import POLL_SECONDS as POLL, wait_until, wait_until_steady

EDITIONS = {"full": "TarnwickLauncher.exe", "le": "TarnwickLauncherLE.exe"}
LATE_TICK = 0.5  # a loaded machine may deliver the last opening tick late
# The close button sits at the right end of the title bar, 12 pixels in from the corner.
CLOSE_INSET = 12


def panel_geometry(display, program, bar):
    """(width, height, x, y) of the panel as the X display shows it: the program's mapped window
    other than the docked bar (Wine draws the title bar into the X window, so this is the whole
    window). Read through X, which costs far less than a Wine probe per poll."""
    for window in display.visible_windows(program):
        geometry = display.geometry(window)
        if geometry and geometry != bar:
            return geometry
    return None


def cycles(session, edition, program, count):
    display = session.display
    folder = sample_folder(session, f"soak-{edition}")
    design = session.design(folder, edition)
    bar = design.bar_geometry()
    session.wine.start(folder, program)
    if not wait_until(lambda: bar_window(display, program, design), 30):
        raise CannotMeasure(f"{program} did not dock its bar")
    width, height = design.size(design.panel()["outer"])

    def open_rect():
        """The panel at its final size (give or take a pixel of rounding), else None."""
        geometry = panel_geometry(display, program, bar)
        return geometry if geometry and abs(geometry[0] - width) <= 1 and abs(geometry[1] - height) <= 1 else None

    table = Table(session, f"side-panel-{edition}")
    table.record("before", program)
    every = max(1, count // 10)
    for cycle in range(1, count + 1):
        press_top_button(display, design)
        # Fully open: at its final size and at rest, where it was at the previous reading: the
        # last ticks of the opening may still move it a few pixels after it reached its size,
        # and a click aimed before that would miss.
        if not wait_until_steady(open_rect, 20, POLL):
            session.screenshot(f"soak-{edition}-failed")
            raise CannotMeasure(f"cycle {cycle}: the panel did not open")
        if cycle == 1:
            session.screenshot(f"soak-{edition}-open")
        time.sleep(LATE_TICK)
        panel_width, _, left, top = panel_geometry(display, program, bar)
        display.click(left + panel_width - CLOSE_INSET, top + CLOSE_INSET)
        if not wait_until(lambda: panel_geometry(display, program, bar) is None, 20):
            session.screenshot(f"soak-{edition}-failed")
            raise CannotMeasure(f"cycle {cycle}: the panel did not close")
        if cycle == 1 or cycle % every == 0:
            table.record(f"cycle-{cycle}", program)
    session.screenshot(f"soak-{edition}-end")
    return table.verdict(f"cycle-{every}")


def soak(build, count, editions):
    """Each edition's soak, the program ended after it whatever the outcome; the first
    failure's exit code, else 0."""
    status = 0
    with soak_session(build) as session:
        for edition in editions:
            try:
                outcome = cycles(session, edition, EDITIONS[edition], count)
            except CannotMeasure as problem:
                log(str(problem))
                outcome = 1
            session.wine.stop_all()
            status = status or outcome
    return status


def editions(which):
    if which not in ("full", "le", "both"):
        raise ValueError(which)
    return ["full", "le"] if which == "both" else [which]


if __name__ == "__main__":
    run(lambda: soak(*command_line(__doc__, (int, 200), (editions, ["full", "le"]))))
