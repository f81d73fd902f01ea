"""The checks' log: time-stamped lines on standard output, which pytest shows for a failed test
and ctest keeps in its log."""
import datetime


def log(message):
    print(f"[{datetime.datetime.now().strftime('%H:%M:%S.%f')[:12]}] {message}", flush=True)
