"""Shared part of the benchmarks of the real programs under Wine (measure_*.py, soak_*.py): it
puts the harness of the end-to-end checks (e2e/harness) on the import path for them, and holds
the soaks' session, table and verdict. The soaks drive the real programs with real X input for
a long while and read, from outside the program, its USER and GDI object counts and its private
memory with e2e/win_tools/process_probe.exe. Each reading is a row of a table kept in
e2e-artifacts/soak/<arch>/<name>.txt; the verdict compares the last row with a warm reference row.

Exit codes of a soak: 0 measured and flat, 1 it could not drive or measure the program,
3 measured and not flat, 77 Wine or a program is missing."""
import contextlib
import os
import pathlib
import shutil
import sys

REPO = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "e2e"))

from harness.log import log  # noqa: E402
from harness.panel import korean_locale  # noqa: E402
from harness.processes import process_figures  # noqa: E402
from harness.standalone import standalone_session  # noqa: E402

CANNOT_MEASURE, NOT_FLAT, SKIPPED = 1, 3, 77
# Private memory may grow by this much between the reference and the end without being called a
# leak: the heap settles in steps of a few pages.
MEMORY_SLACK_KB = int(os.environ.get("SOAK_MEMORY_SLACK_KB", "256"))
PROGRAMS = ("TarnwickLauncher.exe", "TarnwickLauncherLE.exe", "window_probe.exe", "process_probe.exe")


class CannotMeasure(Exception):
    """The soak could not drive or measure the program; the message says what happened."""


@contextlib.contextmanager
def soak_session(build):
    """The harness's session for the programs of the Windows build folder `build`, with Wine
    as on a Korean system (the sample's config.ini is in code page 949); screenshots and tables
    go to e2e-artifacts/soak/<arch>/. Ends the run with 77 when a program is missing."""
    build = pathlib.Path(build).resolve()
    for program in PROGRAMS:
        if not (build / program).is_file():
            print(f"SKIPPED: {build / program} is missing (build the {build.name} preset first)")
            sys.exit(SKIPPED)
    locale = korean_locale()
    if locale is None:
        sys.exit("no Korean locale for Wine (apt package: locales)")
    with standalone_session(build, REPO / "e2e-artifacts" / "soak" / build.name, extra_env=locale) as session:
        yield session


def sample_folder(session, name):
    """A fresh program folder holding the sample folder and both programs."""
    folder = session.new_folder(name, config=None)
    shutil.copytree(REPO / "sample", folder, dirs_exist_ok=True)
    return folder


class Table:
    """The readings of one soak, one row a step, written as they come."""
    COLUMNS = ("user", "gdi", "private_kb")

    def __init__(self, session, name):
        self.wine, self.path = session.wine, session.artifacts / f"{name}.txt"
        self.rows = {}
        self.write(f"{'step':<22} {'user':>6} {'gdi':>6} {'private_kb':>11}  counts")

    def write(self, line):
        with self.path.open("a" if self.rows else "w") as table:
            table.write(line + "\n")

    def record(self, step, program):
        """One reading of the one running `program` as the row `step`."""
        figures = process_figures(self.wine, program)
        if not figures:
            raise CannotMeasure(f"no running {program} to measure at '{step}'")
        row = figures[0]
        self.rows[step] = row
        self.write(f"{step:<22} {row['user']:>6} {row['gdi']:>6} {row['private_kb']:>11}  {row['counts']}")
        log(f"{step}: user gdi private_kb = {row['user']} {row['gdi']} {row['private_kb']}")

    def verdict(self, reference):
        """Compares the last row with the row `reference`: 0 when flat, NOT_FLAT when not."""
        last_step, last = list(self.rows.items())[-1]
        if reference not in self.rows:
            verdict, flat = f"verdict: no reference row {reference}", False
        else:
            ref = self.rows[reference]
            growth = {column: last[column] - ref[column] for column in self.COLUMNS}
            flat = growth["user"] <= 0 and growth["gdi"] <= 0 and growth["private_kb"] <= MEMORY_SLACK_KB
            verdict = (f"verdict ({last_step} against {reference}): user {growth['user']:+d}, gdi {growth['gdi']:+d}, "
                       f"private {growth['private_kb']:+d} KB: {'flat' if flat else 'NOT flat'}")
        self.write(verdict)
        print(self.path.read_text(), end="")
        return 0 if flat else NOT_FLAT


def command_line(usage, *optional):
    """The command line BUILD_FOLDER [OPTIONAL...]: the build folder and each optional argument
    read by its (read, default) pair, the default where it is not given; exits with `usage` when
    there are too few or too many arguments or one cannot be read."""
    given = sys.argv[2:]
    if len(sys.argv) < 2 or len(given) > len(optional):
        sys.exit(usage)
    try:
        values = [read(given[index]) if index < len(given) else default
                  for index, (read, default) in enumerate(optional)]
    except ValueError:
        sys.exit(usage)
    return [pathlib.Path(sys.argv[1]).resolve(), *values]


def run(soak):
    """Runs `soak()` (which returns its exit code) and exits with that code, or with
    CANNOT_MEASURE and its message when it could not drive or measure the program."""
    try:
        sys.exit(soak())
    except CannotMeasure as problem:
        log(str(problem))
        sys.exit(CANNOT_MEASURE)
