"""The harness outside pytest, for the benchmarks and the README's run command: a private
virtual display, the shared Wine prefix and a work folder for fresh program folders, as the
checks have them, ended and cleaned up on leaving."""
import contextlib
import os
import pathlib
import tempfile

from .display import VirtualDisplay
from .session import Session
from .wine import REPO, Wine, prepare_prefix

DEFAULT_SKIN_TOOL = REPO / "build" / "native" / "tarnwick-skin"


@contextlib.contextmanager
def standalone_session(build, artifacts, skin_tool=DEFAULT_SKIN_TOOL, extra_env=None):
    """A Session on its own virtual display for the programs of `build` (a Windows build
    folder); screenshots go to `artifacts`; `extra_env` is added to Wine's environment."""
    display = VirtualDisplay()
    try:
        wine = Wine(display, build)
        wine.env.update(extra_env or {})
        wine.stop_all()
        prepare_prefix(wine.env)
        pathlib.Path(artifacts).mkdir(parents=True, exist_ok=True)
        (REPO / "build").mkdir(exist_ok=True)
        with tempfile.TemporaryDirectory(prefix="e2e-work.", dir=REPO / "build") as work:
            try:
                yield Session(display, wine, work, artifacts, skin_tool)
            finally:
                wine.stop_all()
    finally:
        display.close()


class ExistingDisplay:
    """The X display this process was started on (DISPLAY), for running a program on a
    person's own screen."""

    def __init__(self):
        self.name = os.environ["DISPLAY"]

    def env(self):
        return dict(os.environ)
