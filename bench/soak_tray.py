"""Soak of the running bar under Wine, measured from outside the program: the full edition runs
with the sample folder for a while (default 10 minutes; its 1 ms docking timer ticks all the
time) and its tray icon gets a left double-click every second (real X input), which shows the
bar again each time. Once a minute the bar is hidden from outside first, and that second's
double-click must bring it back. The program's USER and GDI object counts and private memory
are read before the first double-click, after the first minute (the reference) and every
minute after. The table and screenshots go to e2e-artifacts/soak/<arch>/.
A benchmark, not a test: not run by ctest. Exit codes as in bench/soak.py.
    /usr/bin/python3 bench/soak_tray.py BUILD_FOLDER [SECONDS (600)] [PROGRAM (TarnwickLauncher.exe)]"""
import time

from wine_bench import CannotMeasure, Table, command_line, log, run, sample_folder, soak_session

from harness.launcher import bar_handle, bar_window, tray_icon_centre
from harness.waiting import wait_until


def soak(build, duration, program):
    with soak_session(build) as session:
        display, wine = session.display, session.wine
        folder = sample_folder(session, "soak-tray")
        design = session.design(folder)
        docked = lambda: bar_window(display, program, design)  # noqa: E731
        wine.start(folder, program)
        if not wait_until(docked, 30):
            raise CannotMeasure(f"{program} did not dock its bar")
        icon = wait_until(lambda: tray_icon_centre(wine), 10)
        if not icon:
            raise CannotMeasure(f"{program} shows no tray icon")
        session.screenshot("soak-tray-start")
        table = Table(session, "tray")
        table.record("before", program)

        bar = bar_handle(wine, program)
        start = time.monotonic()
        clicks = hidden = restored = 0
        next_reading = 60
        while time.monotonic() - start < duration:
            second = time.monotonic()
            minute_mark = second - start >= next_reading
            if minute_mark:
                wine.act_on_window("--hide", bar)
                hidden += bool(wait_until(lambda: not docked(), 3))
            display.click(*icon, count=2)
            clicks += 1
            if minute_mark:
                if wait_until(docked, 5):
                    restored += 1
                else:
                    log(f"minute {next_reading // 60}: the double-click did not show the hidden bar")
                table.record(f"minute-{next_reading // 60}", program)
                next_reading += 60
            time.sleep(max(0.0, 1 - (time.monotonic() - second)))  # one double-click a second
        table.record("end", program)
        log(f"{clicks} double-clicks on the tray icon in {duration} s; the bar, hidden {hidden} times, "
            f"came back {restored} times")
        session.screenshot("soak-tray-end")
        if not docked():
            raise CannotMeasure("the bar is not docked at the end")
        if not tray_icon_centre(wine):
            raise CannotMeasure("the tray icon is gone at the end")
        if hidden == 0 or restored != hidden:
            raise CannotMeasure("the double-click did not always show the bar")
        return table.verdict("minute-1")


if __name__ == "__main__":
    run(lambda: soak(*command_line(__doc__, (int, 600), (str, "TarnwickLauncher.exe"))))
