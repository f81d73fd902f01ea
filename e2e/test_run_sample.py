"""The README's first command, scripts/run-sample.sh, run as a person runs it, without a
display: it exits 0 after a run in which the bar and the side panel showed, with its three
screenshots saved in e2e-artifacts/run/, and non-zero with a message when the program it runs
does not start (here a program that ends at once)."""
import os
import shutil
import subprocess

from PIL import Image

from conftest import require_programs
from harness.log import log
from harness.wine import REPO

SCRIPT = REPO / "scripts" / "run-sample.sh"
SHOTS = REPO / "e2e-artifacts" / "run"
RUN_SECONDS = 600  # it may build the program first


def run_sample(session, name, **settings):
    """Runs the script for this build without a display; (exit status, output). The output is
    kept in the build's artefacts as <name>.log."""
    env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    env.update(TARNWICK_ARCH=session.build.name, **settings)
    done = subprocess.run(["bash", str(SCRIPT)], env=env, cwd=REPO, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, errors="replace", timeout=RUN_SECONDS)
    (session.artifacts / f"{name}.log").write_text(done.stdout)
    log(f"run-sample.sh exited {done.returncode}; the end of its output:\n{done.stdout[-1500:]}")
    return done.returncode, done.stdout


def saved(session, shot):
    """Whether the script saved the screenshot `shot` as a picture; it is copied to the build's artefacts."""
    path = SHOTS / f"{shot}.png"
    try:
        with Image.open(path) as picture:
            picture.verify()
    except (OSError, SyntaxError):
        return False
    shutil.copy2(path, session.artifacts / f"run-sample-{shot}.png")
    return True


def test_run_sample(session):
    require_programs(session.build, "write_marker.exe")
    check = session.checks
    shutil.rmtree(SHOTS, ignore_errors=True)
    status, _ = run_sample(session, "run-sample")
    check.equal(status, 0, f"run-sample.sh exits 0 after a run that worked (it exited {status})")
    for shot in ("splash", "bar", "side-panel"):
        check.that(saved(session, shot), f"...and saved its {shot} screenshot")

    status, output = run_sample(session, "run-sample-not-started", TARNWICK_PROGRAM="write_marker.exe")
    check.that(status != 0, f"run-sample.sh exits non-zero when the program does not start (it exited {status})")
    check.that("did not start" in output, "...and says so")
