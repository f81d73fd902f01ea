"""One check's world: the display, Wine, a work folder for fresh program folders, the folder
of screenshots, and the soft checks; with the one way to start a program and wait until it is
ready."""
import json
import pathlib
import shutil

from .checks import Checks
from .log import log
from .waiting import wait_until

READY_SECONDS = 30
PROGRAMS = ("TarnwickLauncher.exe", "TarnwickLauncherLE.exe")


class Session:
    def __init__(self, display, wine, work, artifacts):
        self.display, self.wine = display, wine
        self.work, self.artifacts = pathlib.Path(work), pathlib.Path(artifacts)
        self.checks = Checks()

    @property
    def build(self):
        return self.wine.build

    def new_folder(self, name, config=b""):
        """A fresh program folder with both programs in it and `config` as its config.ini
        (bytes; None: no config.ini at all)."""
        folder = self.work / name
        folder.mkdir(parents=True)
        for program in PROGRAMS:
            shutil.copy2(self.build / program, folder / program)
        if config is not None:
            (folder / "config.ini").write_bytes(config)
        return folder

    def screenshot(self, name):
        self.display.screenshot(self.artifacts / f"{name}.png")

    def log_program_state(self, folder, program, screenshot):
        """What the system shows of `program` started from `folder`, for the log of a check that
        did not see what it waited for: its processes, its windows and their children (a message
        box shows there) and a screenshot."""
        log(f"state of {program}: {self.wine.program_count(folder, program)} process(es); windows:")
        for window in self.wine.windows(program):
            log("    " + json.dumps(window, ensure_ascii=False))
        self.screenshot(screenshot)

    def start_ready(self, what, folder, program, ready, on_desktop=False, retry=False):
        """Starts `program` from `folder` and checks that `ready()` holds within 30 s; when it
        does not, the log shows the program's state. With `retry` (checks whose subject comes
        after the start) Wine is then stopped and the program started once more: Wine itself now
        and then stalls at the start of a session (a desktop that never draws, a first window
        that never comes) and is fine once restarted. The log says so, and the check still fails
        when the second start is not ready either."""
        name = program.removesuffix(".exe")
        self.wine.start(folder, program, on_desktop=on_desktop)
        if wait_until(ready, READY_SECONDS):
            return self.checks.that(True, what)
        self.log_program_state(folder, program, f"{name}-not-started")
        if retry:
            log(f"WARNING: {program} was not ready within {READY_SECONDS} s; Wine is stopped and {program} started again")
            self.wine.stop_all()
            self.wine.start(folder, program, on_desktop=on_desktop)
            if wait_until(ready, READY_SECONDS):
                return self.checks.that(True, f"{what} (at the second start)")
            self.log_program_state(folder, program, f"{name}-not-started-again")
        return self.checks.fail(what)
