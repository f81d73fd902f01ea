"""The launcher's windows as the checks find them from outside."""
from .design import centre
from .log import log
from .waiting import wait_until

TITLE = "Tarnwick™ Launcher Second Edition V1.1"


def edition_of(program):
    """The edition of a launcher program ("TarnwickLauncherLE.exe" or its name without .exe):
    "le" or "full", as the designs name them."""
    return "le" if program.removesuffix(".exe").endswith("LE") else "full"


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


def start_with_design(session, folder, program, retry=False):
    """Starts `program` from `folder` and checks that its bar docks where the program's design
    puts it (see start_docked); the design, or None when the bar did not dock."""
    design = session.design(folder, edition_of(program))
    return design if start_docked(session, folder, program, design, retry=retry) else None


def wait_for_processes(wine, name, count, timeout):
    """Whether the number of running programs named `name` (e.g. "notepad.exe") becomes `count`."""
    return wait_until(lambda: process_count(wine, name) == count, timeout)


def process_count(wine, name):
    return sum(1 for path in wine.processes() if path.replace("\\", "/").lower().endswith("/" + name.lower()))


def bar_handle(wine, program):
    """The Windows handle of the program's bar, visible or not: its window at the screen's top."""
    return next((w["handle"] for w in wine.windows(program) if w["class"] == "TarnwickWindow" and w["rect"][1] == 0),
                None)


def tray_icon_centre(wine):
    """The centre of a visible icon in Wine's own tray window (Wine without a virtual desktop
    shows notification-area icons there), from the rectangle the system reports."""
    for window in wine.windows("explorer.exe"):
        if window["visible"] and window["class"] == "__winex11_standalone_tray":
            for child in window["children"]:
                if child["class"] == "__winex11_tray_icon" and child["visible"]:
                    return centre(child["rect"])
    return None


def menu_centre(wine, program):
    """The middle of the program's visible pop-up menu, if it shows one."""
    for window in wine.windows(program):
        if window["visible"] and window["class"] == "#32768":
            return centre(window["rect"])
    return None


TRAY_MENU_RIGHT_CLICKS = 5  # three were too few once, on a machine with both cores busy


def open_tray_menu(display, wine, program):
    """Right-clicks the program's tray icon until its pop-up menu shows, TRAY_MENU_RIGHT_CLICKS
    at most; the menu's middle, or None. Under Wine the menu now and then closes again within a few
    milliseconds, before any input: the program opens it at every right-click, but Wine's menu
    loop ends at once, in runs of a few right-clicks. A person would click again; so does the
    check, and it says so in its log."""
    for attempt in range(1, TRAY_MENU_RIGHT_CLICKS + 1):
        icon = tray_icon_centre(wine)
        if icon is None:
            return None
        display.click(*icon, button=3)
        centre = wait_until(lambda: menu_centre(wine, program), 3)
        if centre:
            if attempt > 1:
                log(f"the tray menu showed at right-click {attempt}")
            return centre
    return None
