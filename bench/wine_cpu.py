"""Processor time of the processes of one Wine prefix, read from /proc: the measurements count
the program's own time and that of the Wine server and Wine's explorer, which do work for it."""
import os
import pathlib
import re

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def prefix_pids(env, pattern):
    """The ids of this user's processes whose command line matches `pattern` (a regular
    expression, searched in the arguments joined by spaces) and that run in the Wine prefix of
    `env`."""
    want = f"WINEPREFIX={env['WINEPREFIX']}".encode()
    found = []
    for entry in pathlib.Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            if entry.stat().st_uid != os.getuid():
                continue
            command = (entry / "cmdline").read_bytes().rstrip(b"\0").replace(b"\0", b" ").decode("utf-8", "replace")
            if re.search(pattern, command) and want in (entry / "environ").read_bytes().split(b"\0"):
                found.append(int(entry.name))
        except OSError:  # the process ended meanwhile
            continue
    return found


def cpu_ticks(pids):
    """User + system clock ticks of the processes `pids` so far (those that ended count 0)."""
    total = 0
    for pid in pids:
        try:
            # The command name in field 2 may hold spaces; the fields after its ')' are fixed.
            fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])
    return total


def seconds(ticks):
    return ticks / CLOCK_TICKS
