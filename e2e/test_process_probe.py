"""The probe that the soaks read a program's objects and memory with (process_probe.exe) counts
what a program really holds: a holder with 40 more child windows, 100 more brushes and 32 MB
more private memory than an empty one reads 40 USER objects, 100 GDI objects and about 32 MB
more; and the launcher, read while it runs, holds windows, GDI objects and memory."""
from conftest import require_programs
from harness.launcher import start_docked
from harness.log import log
from harness.processes import process_figures
from harness.waiting import wait_until

HOLDER = "resource_holder.exe"
HOLDER_START_SECONDS = 90  # a loaded machine may take its time to start Wine
LOADED = {"windows": 40, "brushes": 100, "megabytes": 32}


def holder_figures(session, windows, brushes, megabytes):
    """The probe's entry for a holder started with those numbers, once two readings in a row
    agree (it makes its windows, then its brushes, then writes its memory); None when it did not
    start."""
    wine = session.wine
    wine.start(session.work, str(session.build / HOLDER), str(windows), str(brushes), str(megabytes))
    readings = []

    def settled():
        readings.append(process_figures(wine, HOLDER))
        return len(readings) > 1 and readings[-1] and readings[-1] == readings[-2] and readings[-1][0]

    figures = wait_until(settled, HOLDER_START_SECONDS)
    if not figures:
        log(f"{HOLDER} {windows} {brushes} {megabytes} did not start or did not settle: {readings[-3:]}")
    wine.stop_all()
    return figures


def test_process_probe(session):
    require_programs(session.build, "process_probe.exe", HOLDER)
    check = session.checks
    empty = holder_figures(session, 0, 0, 0)
    loaded = holder_figures(session, *LOADED.values())
    log(f"empty holder: {empty}; loaded: {loaded}")
    if not (empty and loaded):
        check.fail("the probe read both holders")
        return
    check.equal(loaded["user"] - empty["user"], LOADED["windows"], "40 child windows more read as 40 USER objects more")
    check.equal(loaded["gdi"] - empty["gdi"], LOADED["brushes"], "100 brushes more read as 100 GDI objects more")
    more_kb = loaded["private_kb"] - empty["private_kb"]
    check.that(LOADED["megabytes"] * 1024 <= more_kb <= (LOADED["megabytes"] + 2) * 1024,
               f"32 MB written more read as 32 to 34 MB of private memory more ({more_kb} KB)")

    folder = session.new_folder("probe-launcher")
    design = session.design(folder)
    if not start_docked(session, folder, "TarnwickLauncher.exe", design, retry=True):
        return
    launcher = next(iter(process_figures(session.wine, "TarnwickLauncher.exe")), None)
    log(f"launcher: {launcher}")
    pictures = len(design.bar()["controls"])
    # The bar and the splash, and the bar's controls.
    check.that(launcher and launcher["user"] >= pictures + 2,
               "the launcher's windows are counted (bar, splash, their controls)")
    check.that(launcher and launcher["gdi"] >= pictures, f"...its GDI objects (the bar's {pictures} pictures among them)")
    check.that(launcher and launcher["private_kb"] > 1024, "...and its private memory")
