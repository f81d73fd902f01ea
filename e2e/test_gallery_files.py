"""The candy gallery started with bad button descriptions beside it: an empty file, binary
garbage, a 10 MB file and a button whose picture is missing. Each time the gallery shows its
window with the status message for that case, and stays up until it is ended; the bad files
are left as they were. Screenshots: e2e-artifacts/<build folder name>/gallery_file_*.png."""
import os
import time

from conftest import require_programs
from harness.gallery import PROGRAM, start_gallery

DESCRIPTION = "CandyGallery.txt"
NO_BUTTONS = "CandyGallery.txt describes no buttons"
HUGE_BYTES = 10 * 1024 * 1024
CASES = {
    "empty": (b"", NO_BUTTONS),
    "garbage": (os.urandom(65536), NO_BUTTONS),
    "huge": (b"[Big]\n" + b"x" * HUGE_BYTES, "CandyGallery.txt is larger than 1 MB and was not read"),
    "missing_picture": (b'[No picture]\nCaption = "No picture"\nStyle = 2\nPicture = "not here.ico"\n',
                        "Move the pointer over a button, press it, or Tab to one and press Enter"),
}
STAY_UP_SECONDS = 1  # a gallery that gave up on the file would have ended by then


def run_with(session, case, description, status):
    """Starts the gallery beside `description` and checks its window, its status line and that
    it stays up; its log."""
    check = session.checks
    folder = session.work / case
    folder.mkdir()
    (folder / DESCRIPTION).write_bytes(description)
    log = start_gallery(session, folder)
    check.that(log.ready(), f"{case}: the gallery shows its window")
    check.equal(log.status(), status, f'{case}: the status line says "{status}"')
    time.sleep(STAY_UP_SECONDS)
    check.equal(session.wine.program_count(folder, PROGRAM), 1, f"{case}: the gallery is still running")
    session.screenshot(f"gallery_file_{case}")
    session.wine.stop_all()
    return log


def test_gallery_files(session):
    require_programs(session.build, PROGRAM)
    logs = {case: run_with(session, case, *arguments) for case, arguments in CASES.items()}
    session.checks.that("No picture" in logs["missing_picture"].places(), "missing_picture: the button is placed")
    left = all((session.work / case / DESCRIPTION).read_bytes() == description for case, (description, _) in CASES.items())
    session.checks.that(left, "the bad files were left as they were")
