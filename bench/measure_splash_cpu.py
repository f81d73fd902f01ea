"""The processor time the launcher uses while its splash shows: from the moment the splash is on
the screen to the moment the bar docks (fade in, hold, fade out, pause: about 4.5 s), as user +
system time of the program and of the Wine server (each message-queue call of the program is
work of the server too), in seconds and in % of one core over that time. Both moments are seen
from the X display alone, so that watching costs the server nothing. Runs RUNS starts and
prints each and their mean.
Not a test: it reports figures and fails only when it cannot measure.
    /usr/bin/python3 bench/measure_splash_cpu.py BUILD_FOLDER [RUNS (3)] [PROGRAM (TarnwickLauncher.exe)]"""
import re
import sys
import time

from wine_bench import REPO, command_line, log

from harness.launcher import bar_window
from harness.standalone import standalone_session
from harness.waiting import wait_until
from wine_cpu import cpu_ticks, prefix_pids, seconds


def measure(build, runs, program):
    totals = [0.0, 0.0, 0.0]
    with standalone_session(build, REPO / "e2e-artifacts" / "measure" / build.name) as session:
        display = session.display
        for run in range(1, runs + 1):
            folder = session.new_folder(f"splash-{run}")
            design = session.design(folder)
            splash = design.window_geometry(design.splash())
            session.wine.start(folder, program)
            if not display.wait_for_window(program, lambda geometry: geometry == splash, 30):
                sys.exit("the splash did not show")
            shown = time.monotonic()
            pids = prefix_pids(session.wine.env, "^[^ ]*" + re.escape(program))
            server = prefix_pids(session.wine.env, "^[^ ]*/wineserver")
            if not pids or not server:
                sys.exit("the program or the Wine server was not found")
            program_before, server_before = cpu_ticks(pids), cpu_ticks(server)
            if not wait_until(lambda: bar_window(display, program, design), 40):
                sys.exit("the bar did not dock")
            wall = time.monotonic() - shown
            used = seconds(cpu_ticks(pids) - program_before), seconds(cpu_ticks(server) - server_before)
            log(f"run {run}: program {used[0]:.2f} s + Wine server {used[1]:.2f} s of processor time in the "
                f"{wall:.2f} s from the splash to the docked bar ({100 * sum(used) / wall:.1f} % of one core)")
            totals = [totals[0] + used[0], totals[1] + used[1], totals[2] + wall]
            session.wine.stop_all()
    print(f"mean of {runs} runs: program {totals[0] / runs:.2f} s + Wine server {totals[1] / runs:.2f} s of processor "
          f"time in {totals[2] / runs:.2f} s ({100 * (totals[0] + totals[1]) / totals[2]:.1f} % of one core)")


if __name__ == "__main__":
    measure(*command_line(__doc__, (int, 3), (str, "TarnwickLauncher.exe")))
