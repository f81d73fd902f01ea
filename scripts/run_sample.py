"""The Wine part of scripts/run-sample.sh, which has built the program and copied it into a
copy of the sample folder:
    python3 scripts/run_sample.py BUILD_FOLDER SAMPLE_COPY PROGRAM
With an X display (DISPLAY set) the program runs under Wine on it until it is ended from its
tray menu. Without one it runs on Wine's virtual desktop with a taskbar on a private virtual
display: screenshots of the splash, the docked bar and the opened side panel are saved to
e2e-artifacts/run/ and the program is ended; the exit status is 0 when the bar and the side
panel showed, 1 with a message when they did not."""
import os
import pathlib
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "e2e"))

from harness.design import centre  # noqa: E402
from harness.log import log  # noqa: E402
from harness.panel import korean_locale  # noqa: E402
from harness.standalone import ExistingDisplay, standalone_session  # noqa: E402
from harness.waiting import wait_until, wait_until_steady  # noqa: E402
from harness.wine import REPO, prepare_prefix, wine_env  # noqa: E402

ARTIFACTS = REPO / "e2e-artifacts" / "run"
# Nothing marks the moments a person would look at: the splash one second into its fade-in, the
# bar and the panel one second after they showed (their pictures drawn).
LOOK_AFTER = 1.0
PANEL_READING = 0.2  # seconds between two readings of the sliding panel


class NotShown(Exception):
    """The program did not show what a run must show; the message says what."""


def on_own_display(folder, program, locale):
    env = {**wine_env(ExistingDisplay()), **locale}
    prepare_prefix(env)
    os.chdir(folder)
    os.execvpe("wine", ["wine", program], env)


def visible_windows(session, program):
    return [w for w in session.wine.windows(program, on_desktop=True)
            if w["visible"] and w["class"] == "TarnwickWindow"]


def docked_bar(session, program):
    """The bar as the system lists it: at the screen's top and right edge."""
    return next((w for w in visible_windows(session, program)
                 if w["rect"][1] == 0 and w["rect"][2] == session.display.width), None)


def panel_rect(session, program):
    """The rectangle of the program's visible window other than the bar (the side panel)."""
    return next((w["rect"] for w in visible_windows(session, program)
                 if w["rect"][1] != 0 and w["rect"][2] > w["rect"][0]), None)


def look(session, name):
    time.sleep(LOOK_AFTER)
    session.screenshot(name)


def show_sample(session, folder, program):
    running = lambda: session.wine.program_count(folder, program) > 0  # noqa: E731
    session.wine.start(folder, program, on_desktop=True)
    if not wait_until(running, 20):
        raise NotShown(f"{program} did not start")
    look(session, "splash")
    # The bar appears once the splash has faded in and out (about 5 s).

    def bar_or_end():
        if not running():
            raise NotShown(f"{program} did not start: it ended before its bar appeared")
        return docked_bar(session, program)

    bar = wait_until(bar_or_end, 30)
    if not bar:
        raise NotShown(f"{program} did not start: its bar never appeared")
    look(session, "bar")
    session.display.click(*centre(bar["children"][0]["rect"]))
    # Open once it has stopped sliding: the same rectangle in two readings in a row.
    if not wait_until_steady(lambda: panel_rect(session, program), 20, PANEL_READING):
        raise NotShown("the side panel did not open")
    look(session, "side-panel")


def main(build, folder, program):
    # The sample's config.ini is written in code page 949, as a Korean Windows reads it.
    locale = korean_locale()
    if locale is None:
        print("run-sample: no Korean locale for Wine (apt package: locales)", file=sys.stderr)
        return 1
    if os.environ.get("DISPLAY"):
        on_own_display(folder, program, locale)
    with standalone_session(build, ARTIFACTS, extra_env=locale) as session:
        try:
            show_sample(session, folder, program)
        except NotShown as problem:
            session.screenshot("failed")
            print(f"run-sample: {problem} (screenshot in {ARTIFACTS / 'failed.png'})", file=sys.stderr)
            return 1
    log(f"screenshots in {ARTIFACTS}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2]).resolve(), sys.argv[3]))
