"""The candy button contact sheet drawn by the Windows backend, under Wine: the program starts,
reports its window, and the screen holds the rest colour of each pure-colour scheme (blue, red,
green, yellow) over a real area of gloss faces. The screenshot is kept as
e2e-artifacts/<build folder name>/candy_sheet.png."""
import subprocess

from conftest import require_programs
from harness.log import log
from harness.waiting import wait_until

PROGRAM = "candy_sheet_window.exe"
SHOW_SECONDS = 60  # the sheet ends itself after this long
READY_SECONDS = 60
PAINT_SECONDS = 10  # the sheet paints its cells after it reports its window
SCHEME_COLOURS = {"#000080": (0, 0, 0x80), "#800000": (0x80, 0, 0), "#008000": (0, 0x80, 0), "#808000": (0x80, 0x80, 0)}
LEAST_PIXELS = 500


def colour_counts(display):
    """How many screen pixels have each scheme colour."""
    counts = {colour: 0 for colour in SCHEME_COLOURS.values()}
    for count, colour in display.grab().getcolors(display.width * display.height):
        if colour in counts:
            counts[colour] = count
    return counts


def test_candy_sheet(session):
    require_programs(session.build, PROGRAM)
    display, check = session.display, session.checks
    output = session.work / "out.txt"
    with output.open("wb") as sink:
        subprocess.Popen(["wine", str(session.build / PROGRAM), str(SHOW_SECONDS)], env=session.wine.env,
                         cwd=session.work, stdout=sink, stderr=subprocess.DEVNULL, start_new_session=True)
    check.that(wait_until(lambda: "ready" in output.read_text(errors="replace").split(), READY_SECONDS),
               "the program reports its window")
    wait_until(lambda: min(colour_counts(display).values()) >= LEAST_PIXELS, PAINT_SECONDS)
    counts = colour_counts(display)
    session.screenshot("candy_sheet")
    log(f"scheme colour pixels: {counts}")
    for name, colour in SCHEME_COLOURS.items():
        check.that(counts[colour] >= LEAST_PIXELS, f"{counts[colour]} pixels of scheme colour {name} (at least 500)")
