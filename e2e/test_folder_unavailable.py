"""Folder tabs whose location is no folder, under Wine with real input, in both editions: after a
tab with a real folder, a tab naming a missing folder, one naming a file and one without its key
each empty the view (none of the folder before is listed) and show, inside the pane, that the
location is not available, the location and the system's text for the reason, without a
message; the next tab with a real folder lists that folder again."""
import pytest

from harness.log import log
from harness.panel import Panel, alive_and_quiet, click_control, panel_config, start_with_panel
from harness.waiting import wait_until

HEADING = "위치를 사용할 수 없습니다."
MISSING_VALUE = "값이 없습니다."
DOCS_FILE = "docs-file.txt"


def lists_docs(panel, handle):
    """Whether the panel's folder view comes to list the file of the real folder "docs"."""
    return wait_until(lambda: panel.shows_item(handle, DOCS_FILE), 10)


def pane_notice(wine, program, handle):
    """The lines of the notice in the panel's folder pane, or None while a folder shows."""
    window = next((w for w in wine.windows(program) if w["handle"] == handle), {"children": []})
    return next((child["text"].split("\r\n") for child in window["children"]
                 if child["class"] == "TarnwickControl" and child["text"].startswith(HEADING)), None)


def check_tab(session, panel, program, folder, handle, tab, location, what):
    wine, check = session.wine, session.checks
    name = program.removesuffix(".exe")
    click_control(session.display, wine, program, handle, tab)
    notice = wait_until(lambda: pane_notice(wine, program, handle), 10)
    check.that(notice, f"{what}: the pane says the location is not available")
    notice = notice or []
    log(f"the pane says: {' | '.join(notice)}")
    check.equal(notice[:2], [HEADING, location], f"...with the location {location}")
    reason = " ".join(notice[2:]).strip()
    check.that(reason, f"...and the system's reason ({reason})")
    check.that(not panel.shows_item(handle, DOCS_FILE), "...none of the folder before is listed")
    check.that(alive_and_quiet(panel, folder, program, handle), "...no message, the program answers")
    session.screenshot(f"folder-unavailable-tab{tab}-{name}")
    click_control(session.display, wine, program, handle, 5)
    check.that(lists_docs(panel, handle), "the next tab with a real folder lists it")
    check.that(pane_notice(wine, program, handle) is None, "...and the notice is gone")
    session.screenshot(f"folder-unavailable-tab{tab}-then-5-{name}")


@pytest.mark.parametrize("program", ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"])
def test_folder_unavailable(session, korean, program):
    wine, check = session.wine, session.checks
    panel = Panel(korean)
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"unavailable-{name}")
    (folder / "docs").mkdir()
    (folder / "docs" / DOCS_FILE).touch()
    (folder / "notes.txt").write_text("not a folder\n")
    panel_config(folder, "PUrl1=docs", "PUrl2=gone", "PUrl3=notes.txt", "PUrl5=docs")
    windows_folder = wine.windows_path(folder)
    handle = start_with_panel(session, panel, folder, program)
    if handle is None:
        return
    check.that(lists_docs(panel, handle), "the panel opens with the folder of PUrl1")
    for tab, location, what in ((2, "gone", "a missing folder"), (3, "notes.txt", "a file"),
                                (4, MISSING_VALUE, "a missing key")):
        check_tab(session, panel, program, folder, handle, tab, f"{windows_folder}\\{location}\\", what)
