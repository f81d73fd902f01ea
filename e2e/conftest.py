"""Fixtures of the end-to-end checks (run through ctest, one test per check file and build):
    python3 -m pytest e2e/test_NAME.py --win-build build/mingw-x86_64
A check file that cannot run here ends with exit code 77 (ctest counts it as skipped): the
32-bit build where this machine has no 32-bit Wine, a missing tool or program. Under the test
command (TARNWICK_REQUIRE_ALL=1), which installs and builds everything, a missing tool or
program is a failure instead."""
import os
import pathlib
import shutil
import sys
import tempfile

import pytest

sys.path.insert(0, str(pathlib.Path(__file__).parent))

from harness.display import VirtualDisplay  # noqa: E402
from harness.session import PROGRAMS, Session  # noqa: E402
from harness.wine import REPO, Wine, prepare_prefix  # noqa: E402

SKIPPED = 77
TOOLS = ("wine", "wineserver", "Xvfb", "xdotool", "xwininfo", "xprop")


def pytest_addoption(parser):
    parser.addoption("--win-build", required=True, help="the Windows build folder whose programs to run")
    parser.addoption("--skin-tool", default=str(REPO / "build" / "native" / "tarnwick-skin"),
                     help="the native tarnwick-skin, which gives the designs' rectangles")


def cannot_run(reason):
    if os.environ.get("TARNWICK_REQUIRE_ALL") == "1":
        pytest.exit(f"FAILED: {reason} (the test command installs and builds all that the checks need)", returncode=1)
    pytest.exit(f"SKIPPED: {reason}", returncode=SKIPPED)


def pytest_configure(config):
    build = pathlib.Path(config.getoption("--win-build")).resolve()
    if "i686" in build.name and os.environ.get("TARNWICK_WINE32_UNAVAILABLE"):
        pytest.exit(f"SKIPPED: {os.environ['TARNWICK_WINE32_UNAVAILABLE']}", returncode=SKIPPED)
    for tool in TOOLS:
        if shutil.which(tool) is None:
            cannot_run(f"'{tool}' is not installed (run scripts/install-deps.sh tests)")
    if not build.is_dir():
        cannot_run(f"build folder {build} does not exist (build it with its cmake preset)")
    for program in (*PROGRAMS, "window_probe.exe"):
        if not (build / program).is_file():
            cannot_run(f"{build / program} is missing (build the {build.name} preset first)")
    if not pathlib.Path(config.getoption("--skin-tool")).is_file():
        cannot_run(f"{config.getoption('--skin-tool')} is missing (build the native preset first)")


@pytest.fixture(scope="session")
def win_build(request):
    return pathlib.Path(request.config.getoption("--win-build")).resolve()


@pytest.fixture(scope="session")
def display():
    screen = VirtualDisplay()
    yield screen
    screen.close()


@pytest.fixture(scope="session")
def wine(display, win_build):
    runner = Wine(display, win_build)
    runner.stop_all()  # a check ended from outside (ctest's time limit) leaves its programs running
    prepare_prefix(runner.env)
    yield runner
    runner.stop_all()


@pytest.fixture
def session(display, wine, win_build, request):
    """A check's world; its programs are ended afterwards, and it fails when a check failed."""
    artifacts = REPO / "e2e-artifacts" / win_build.name
    artifacts.mkdir(parents=True, exist_ok=True)
    (REPO / "build").mkdir(exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="e2e-work.", dir=REPO / "build") as work:
        world = Session(display, wine, work, artifacts, request.config.getoption("--skin-tool"))
        yield world
        wine.stop_all()
    failed = world.checks.failed
    if failed:
        pytest.fail(f"{len(failed)} check(s) failed: " + "; ".join(failed), pytrace=False)


@pytest.fixture
def korean(wine):
    """Wine as on a Korean system (ANSI code page 949) for the test's programs."""
    from harness.panel import korean_locale

    locale = korean_locale()
    if locale is None:
        cannot_run("no Korean locale (apt package: locales)")
    wine.stop_all()  # the programs of the test, the wineserver and Wine's desktop start with it
    before = dict(wine.env)
    wine.env.update(locale)
    yield wine
    wine.stop_all()
    wine.env.clear()
    wine.env.update(before)


def require_programs(build, *programs):
    """Ends the check file as cannot_run does when one of the tool `programs` a check needs
    (beyond the launchers and the window probe) is not in the Windows build folder `build`."""
    for program in programs:
        if not (pathlib.Path(build) / program).is_file():
            cannot_run(f"{pathlib.Path(build) / program} is missing (build the {pathlib.Path(build).name} preset first)")
