"""Waiting for a condition instead of sleeping a fixed time."""
import time

POLL_SECONDS = 0.05


def wait_until(condition, timeout, poll=POLL_SECONDS):
    """Calls `condition` until it returns something true or `timeout` seconds have passed.
    Returns that value, or None when the time ran out."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            return None
        time.sleep(poll)


def sample_for(read, seconds, poll=0.03):
    """The values `read` gives, polled for `seconds` seconds."""
    deadline = time.monotonic() + seconds
    values = []
    while time.monotonic() < deadline:
        values.append(read())
        time.sleep(poll)
    return values


def wait_until_steady(read, timeout, interval):
    """Reads `read()` every `interval` seconds until two readings in a row are equal and not
    None or empty (something that moves has come to rest). Returns that value, or None when the
    time ran out."""
    readings = [None]

    def steady():
        readings.append(read())
        return readings[-1] if readings[-1] and readings[-1] == readings[-2] else None

    return wait_until(steady, timeout, poll=interval)
