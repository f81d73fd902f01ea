"""Message boxes of a program, as the system lists them (class #32770), and clicks on their
buttons: aimed at the button's middle from the rectangle the system reports, since keyboard
focus cannot be given to another process's window reliably without a window manager."""
from .design import centre
from .waiting import wait_until

BOX_CLASS = "#32770"


def boxes(wine, program, caption=None):
    """The visible message boxes of `program` (captioned `caption`), topmost first."""
    return [w for w in wine.windows(program) if w["visible"] and w["class"] == BOX_CLASS
            and (caption is None or w["title"] == caption)]


def box_texts(box):
    return [child["text"] for child in box["children"] if child["class"] == "Static"]


def box_with_text(wine, program, caption, text):
    return next((box for box in boxes(wine, program, caption) if text in box_texts(box)), None)


def click_box_button(display, wine, program, caption, button, rounds=6):
    """Clicks the button labelled `button` in each visible box of `program` captioned `caption`,
    the topmost first, reading the list again after each click (boxes may overlap). Whether no
    such box is left."""
    for _ in range(rounds):
        target = next((child for box in boxes(wine, program, caption) for child in box["children"]
                       if child["class"] == "Button" and child["text"] == button), None)
        if target is None:
            return True
        display.click(*centre(target["rect"]))
        wait_until(lambda: target not in [c for box in boxes(wine, program, caption) for c in box["children"]], 1)
    return False
