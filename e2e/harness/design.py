"""The rectangles the checks expect, from the programs' own designs: `tarnwick-skin geometry`
builds the launcher's windows with the launcher's own construction and says where the bar, the
side panel and their controls are, in screen pixels."""
import json
import subprocess


def centre(rect):
    """The middle of a rectangle [left, top, right, bottom] (design's or system's)."""
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class Design:
    def __init__(self, skin_tool, folder, screen, edition="full", scale=100):
        command = [str(skin_tool), "geometry", str(folder), "--edition", edition,
                   "--screen", f"{screen[0]}x{screen[1]}", "--scale", str(scale)]
        self.geometry = json.loads(subprocess.run(command, check=True, capture_output=True, text=True).stdout)

    @staticmethod
    def size(rect):
        return rect[2] - rect[0], rect[3] - rect[1]

    def bar(self):
        return self.geometry["bar"]

    def panel(self):
        return self.geometry["panel"]

    def splash(self):
        return self.geometry["splash"]

    def window_geometry(self, window):
        """A window of the design (`bar()`, `panel()`, `splash()`) as (width, height, x, y), the
        form the display reports."""
        left, top, right, bottom = window["outer"]
        return right - left, bottom - top, left, top

    def bar_geometry(self):
        """The docked bar as the display reports it."""
        return self.window_geometry(self.bar())

    @staticmethod
    def control(window, kind, number):
        return next(c["rect"] for c in window["controls"] if c["kind"] == kind and c["id"] == number)

    def bar_button(self, number):
        """Bar button `number` (0: the menu button, 1..24 the launch buttons)."""
        return self.control(self.bar(), "image", number)

    centre = staticmethod(centre)
