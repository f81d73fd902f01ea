"""Idle cost of the launcher under Wine, against an idle blank window as the baseline: each runs
alone for a while on Wine's desktop with a taskbar, and the processor time (user + system, from
/proc/<pid>/stat) of the program, the Wine server and Wine's explorer is summed over that window.
Prints each total in % of one core and how the launcher compares; also the blank window with a
1 ms timer that does nothing ("timer"), the cost of the bar's timer alone. At the end of each
window the program's private memory is read with process_probe.exe.
Not a test: it reports figures and fails only when it cannot measure.
    /usr/bin/python3 bench/measure_idle_cpu.py BUILD_FOLDER [SECONDS (60)] [PROGRAM (TarnwickLauncher.exe)]"""
import re
import shutil
import sys
import time

from wine_bench import REPO, command_line, log

from harness.processes import process_figures
from harness.standalone import standalone_session
from harness.waiting import wait_until
from wine_cpu import CLOCK_TICKS, cpu_ticks, prefix_pids, seconds

PAST_START = 15  # seconds: past start-up (the launcher's splash takes about 5 s)


def measure(session, label, folder, command, idle):
    """(label, program, server, explorer ticks, private KB) over `idle` seconds of `command`."""
    env, program = session.wine.env, command[0]
    own = "^[^ ]*" + re.escape(program)
    session.wine.start(folder, *command, on_desktop=True)
    if not wait_until(lambda: prefix_pids(env, own), 60):
        sys.exit(f"{' '.join(command)} did not start")
    time.sleep(PAST_START)
    groups = [prefix_pids(env, own), prefix_pids(env, "^[^ ]*/wineserver"), prefix_pids(env, r"explorer\.exe")]
    session.screenshot(f"idle-{label}")
    before = [cpu_ticks(pids) for pids in groups]
    time.sleep(idle)
    used = [cpu_ticks(pids) - start for pids, start in zip(groups, before)]
    figures = process_figures(session.wine, program)
    session.wine.stop_all()
    return label, *used, figures[0]["private_kb"] if figures else None


def percent(ticks, idle):
    return 100 * seconds(ticks) / idle


def main(build, idle, program):
    with standalone_session(build, REPO / "e2e-artifacts" / "measure" / build.name) as session:
        folder = session.new_folder("idle")
        shutil.copy2(build / "blank_window.exe", folder)
        log(f"measuring {idle} s each, clock ticks of {CLOCK_TICKS} Hz")
        rows = [measure(session, "blank", folder, ["blank_window.exe"], idle),
                measure(session, "timer", folder, ["blank_window.exe", "1"], idle),
                measure(session, "launcher", folder, [program], idle)]
    totals = {}
    for label, own, server, explorer, private_kb in rows:
        totals[label] = own + server + explorer
        print(f"{label:<9} program {percent(own, idle):5.2f}%  wineserver {percent(server, idle):5.2f}%  "
              f"explorer {percent(explorer, idle):5.2f}%  total {percent(totals[label], idle):5.2f}% of one core  "
              f"private {private_kb if private_kb is not None else '?':>6} KB")
    for base in ("blank", "timer"):
        ratio = f"{totals['launcher'] / totals[base]:.2f}" if totals[base] else "n/a"
        print(f"launcher - {base}: {percent(totals['launcher'] - totals[base], idle):+.2f}% of one core "
              f"(launcher total / {base} total = {ratio})")


if __name__ == "__main__":
    main(*command_line(__doc__, (int, 60), (str, "TarnwickLauncher.exe")))
