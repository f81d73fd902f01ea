"""write_marker.exe, the program the launch checks have the launcher start: each start adds its
word to a marker file, so a check sees what was started, in which order and how often."""
MARKER = "marker.txt"


def marker_command(wine, folder, word):
    """The command line that runs `folder`/write_marker.exe to add `word` to `folder`/marker.txt."""
    return f"{wine.windows_path(folder / 'write_marker.exe')} {wine.windows_path(folder / MARKER)} {word}"


def markers(folder):
    """The words written so far, joined by commas; None before the first."""
    try:
        return ",".join(line.strip("\r") for line in (folder / MARKER).read_text().splitlines())
    except OSError:
        return None
