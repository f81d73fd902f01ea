"""The Windows self-check programs (e2e/win_tools/*_selftest.cpp): they run their checks on real
windows under Wine, print each failed one, end with the line "<n> check(s) failed" and exit with
that number."""
from .log import log

SELFTEST_SECONDS = 120  # both self-checks end within seconds; a hung one is ended


def run_selftest(session, program, *arguments, what):
    """Runs the program at `program` from the check's work folder and checks that it ran to its
    end and that every one of its checks passed; `what` names it in the checks' words."""
    code, output = session.wine.run(str(program), *arguments, timeout=SELFTEST_SECONDS, cwd=session.work)
    log(f"{program.name} exited {code}; its output:\n{output}")
    lines = output.splitlines()
    summary = lines[-1] if lines else ""
    check = session.checks
    check.that(code is not None and summary.endswith(" check(s) failed"), f"the {what} self-check ran to its end")
    check.that(code == 0 and summary == "0 check(s) failed", f"every {what} check passed")
