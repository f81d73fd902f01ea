"""Checks that go on after a failure, as a person testing by hand would: each one is logged as
"ok: ..." or "FAIL: ...", and the test fails at its end when any failed."""
from .log import log


class Checks:
    def __init__(self):
        self.failed = []
        self.passed = 0

    def that(self, holds, what):
        """Records the check `what`; `holds` is its outcome. Returns the outcome."""
        if holds:
            self.passed += 1
            log(f"ok: {what}")
        else:
            self.failed.append(what)
            log(f"FAIL: {what}")
        return bool(holds)

    def fail(self, what):
        return self.that(False, what)

    def equal(self, actual, expected, what):
        return self.that(actual == expected, f"{what}" if actual == expected else f"{what} (saw {actual!r})")
