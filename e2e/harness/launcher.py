"""The launcher's windows as the checks find them from outside."""
from .waiting import wait_until

TITLE = "Tarnwick™ Launcher Second Edition V1.1"


def main_window(display, program):
    """The X window of the program's main window (the bar), found by its title."""
    for window in display.visible_windows(program):
        if (display.window_name(window) or "").startswith(TITLE):
            return window
    return None


def bar_window(display, program, design):
    """The X window of the program's bar when it is docked where its design puts it."""
    return display.find_visible(program, lambda geometry: geometry == design.bar_geometry())


def start_docked(session, folder, program, design, retry=False):
    """Starts the program and checks that its bar docks (see Session.start_ready)."""
    return session.start_ready(f"{program} docks its bar", folder, program,
                               lambda: bar_window(session.display, program, design), retry=retry)


def wait_for_processes(wine, name, count, timeout):
    """Whether the number of running programs named `name` (e.g. "notepad.exe") becomes `count`."""
    return wait_until(lambda: process_count(wine, name) == count, timeout)


def process_count(wine, name):
    return sum(1 for path in wine.processes() if path.replace("\\", "/").lower().endswith("/" + name.lower()))
