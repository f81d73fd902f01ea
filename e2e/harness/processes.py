"""What a running program holds, read from outside by the process probe
(e2e/win_tools/process_probe.cpp): its USER and GDI object counts and its private memory.
Run as a script, it reads the probe's JSON answer on standard input and prints the first
process's figures as "user gdi private_kb counts" (for the bash soaks and measurements); it
exits 1 when the answer lists no process."""
import json
import sys


def process_figures(wine, program):
    """The probe's entries ({"pid", "user", "gdi", "private_kb", "counts"}) of every running
    `program` (e.g. "TarnwickLauncher.exe"); empty when none runs or the probe did not answer."""
    answer = wine.read_json(["wine", str(wine.build / "process_probe.exe"), program])
    return answer["processes"] if answer else []


def main():
    processes = json.load(sys.stdin)["processes"]
    if not processes:
        sys.exit(1)
    first = processes[0]
    print(first["user"], first["gdi"], first["private_kb"], first["counts"])


if __name__ == "__main__":
    main()
