"""The two start-up refusals of both programs, under Wine:
 - no config.ini: a message box with the exact refusal, captioned with the program's name, is the
   only window the program shows; after OK the program ends;
 - a second copy started while the first runs: its refusal box, then it ends; the first copy
   keeps running and reaches its main window;
 - no config.ini while another copy runs: only the config.ini refusal;
 - two copies started at the same moment: exactly one runs, the other refuses."""
import time

import pytest

from harness.boxes import box_with_text, boxes, click_box_button
from harness.launcher import main_window
from harness.waiting import wait_until

NO_CONFIG_TEXT = "config.ini 를 찾을수가 없습니다.\r\n\r\n프로그램을 종료합니다."
ALREADY_RUNNING_TEXT = "프로그램이 이미 실행중 입니다."
PROGRAMS = ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"]
SECOND_BOX_SETTLE = 1  # a second refusal box would show within this time


def copies(wine, folder, program, count):
    return lambda: wine.program_count(folder, program) == count


@pytest.mark.parametrize("program", PROGRAMS)
def test_missing_config(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"no-config-{name}", None)
    others = set()

    def box_shown_alone():
        """The box captioned with the program's name shows; every other window seen meanwhile is noted."""
        for window in display.visible_windows(program):
            if display.window_name(window) == name:
                return True
            others.add((window, display.geometry(window), display.window_name(window)))
        return False

    wine.start(folder, program)
    check.that(wait_until(box_shown_alone, 20), f"{program} without config.ini shows its refusal box")
    check.that(box_with_text(wine, program, name, NO_CONFIG_TEXT), "the box says the config.ini refusal")
    shown = [w for w in wine.windows(program) if w["visible"]]
    check.equal(len(shown), 1, "the box is the only window the program shows")
    session.screenshot(f"refusal-no-config-{name}")
    click_box_button(display, wine, program, name, "OK")
    check.that(wait_until(copies(wine, folder, program, 0), 10), f"{program} ends after OK")
    check.equal(others, set(), "no other window appeared")


@pytest.mark.parametrize("program", PROGRAMS)
def test_second_copy(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"second-copy-{name}")
    wine.start(folder, program)
    check.that(wait_until(lambda: display.visible_windows(program), 20), f"first copy of {program} shows its splash")
    wine.start(folder, program)
    check.that(wait_until(lambda: any(display.window_name(w) == name for w in display.visible_windows(program)), 20),
               "second copy shows its refusal box")
    check.that(box_with_text(wine, program, name, ALREADY_RUNNING_TEXT), "the box says the already-running refusal")
    session.screenshot(f"refusal-second-copy-{name}")

    lonely = session.new_folder(f"lonely-{name}", None)
    wine.start(lonely, program)
    check.that(wait_until(lambda: box_with_text(wine, program, name, NO_CONFIG_TEXT), 20),
               "a copy without config.ini refuses for config.ini, not for the running copy")
    check.equal(len([w for w in wine.windows(program) if w["class"] == "#32770"]), 2,
                "...and shows no already-running box of its own")
    click_box_button(display, wine, program, name, "OK")
    check.that(wait_until(copies(wine, lonely, program, 0), 10), "the refused copies end")
    check.that(wait_until(copies(wine, folder, program, 1), 10), "...leaving the first copy running")
    check.that(wait_until(lambda: main_window(display, program), 20), "the first copy reaches its main window")
    session.screenshot(f"refusal-second-copy-first-runs-on-{name}")


@pytest.mark.parametrize("program", PROGRAMS)
def test_simultaneous_starts(session, program):
    display, wine, check = session.display, session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"together-{name}")
    wine.start(folder, program)
    wine.start(folder, program)
    check.that(wait_until(lambda: box_with_text(wine, program, name, ALREADY_RUNNING_TEXT), 20),
               f"of two copies of {program} started together, one refuses")
    time.sleep(SECOND_BOX_SETTLE)
    check.equal(len(boxes(wine, program)), 1, "...and only one")
    click_box_button(display, wine, program, name, "OK")
    check.that(wait_until(copies(wine, folder, program, 1), 10), "...which ends, while the other runs on")
    check.that(wait_until(lambda: main_window(display, program), 20), "the copy that runs reaches its main window")
