"""What a running program holds, read from outside by the process probe
(e2e/win_tools/process_probe.cpp): its USER and GDI object counts and its private memory."""


def process_figures(wine, program):
    """The probe's entries ({"pid", "user", "gdi", "private_kb", "counts"}) of every running
    `program` (e.g. "TarnwickLauncher.exe"); empty when none runs or the probe did not answer."""
    answer = wine.read_json(["wine", str(wine.build / "process_probe.exe"), program])
    return answer["processes"] if answer else []
