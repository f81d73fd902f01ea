"""Windows seen through the state the system keeps for them (enabled, in front, minimised, their
style), and the message boxes they own."""
from .boxes import boxes
from .waiting import wait_until

WS_MINIMIZEBOX = 0x20000


def state_is(wine, handle, **expected):
    """Whether the window `handle` is there and its state has every field of `expected`
    (iconic, enabled, foreground: 0 or 1)."""
    state = wine.window_state(handle)
    return bool(state) and all(state[field] == value for field, value in expected.items())


def has_no_minimise_box(wine, handle):
    """Whether the window is there and has no minimise box in its style."""
    state = wine.window_state(handle)
    return bool(state) and not state["style"] & WS_MINIMIZEBOX


def box(wine, program, caption):
    """The visible message box of `program` captioned `caption`, or None."""
    return next(iter(boxes(wine, program, caption)), None)


def box_owner(wine, program, caption):
    shown = box(wine, program, caption)
    return shown["owner"] if shown else None


def notepad(wine):
    """The handle of Notepad's visible main window, or None."""
    return next((w["handle"] for w in wine.windows("notepad.exe") if w["visible"] and w["class"] == "Notepad"), None)


def put_notepad_in_front(session):
    """Starts Notepad once, in the top left corner (clear of the bar, the panel and the boxes,
    which stay clickable), and brings it in front of everything. Whether it is in front."""
    wine = session.wine
    handle = notepad(wine)
    if handle is None:
        wine.start(session.work, "notepad")
        handle = wait_until(lambda: notepad(wine), 20)
        if handle is None:
            return False
        wine.act_on_window("--place", handle, "0", "0", "300", "200")
    wine.act_on_window("--activate", handle)
    return wait_until(lambda: state_is(wine, handle, foreground=1), 5)
