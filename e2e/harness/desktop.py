"""Wine's virtual desktop with a taskbar, as on a Windows desktop: what its taskbar shows and
what a program shows on it."""
from .launcher import TITLE


def taskbar_buttons(wine):
    """Taskbar buttons that are shown (the Start button is one of them)."""
    return sum(1 for window in wine.windows(on_desktop=True) if window["class"] == "Shell_TrayWnd"
               for child in window["children"] if child["class"] == "Button" and child["visible"])


def main_window_on_desktop(wine, program):
    return any(w["visible"] and w["class"] == "TarnwickWindow" and w["title"].startswith(TITLE)
               for w in wine.windows(program, on_desktop=True))


def box_on_desktop(wine, program, caption):
    """Whether a message box of `program` captioned `caption` shows on the desktop."""
    return any(w["visible"] and w["class"] == "#32770" and w["title"] == caption
               for w in wine.windows(program, on_desktop=True))


def shows_on_desktop(wine, folder, program, shown):
    """Whether `program` started from `folder` runs and `shown(wine, program)` holds on the
    desktop. The desktop is asked only once the program runs: a probe started on the desktop
    before the program's own start made it would make the desktop itself and take it away when
    it ends, leaving the program without one."""
    return wine.program_count(folder, program) > 0 and shown(wine, program)
