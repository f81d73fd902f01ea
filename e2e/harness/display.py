"""A private virtual X display (Xvfb), what is mapped on it, its pixels, and input to it."""
import os
import re
import subprocess
import time

from PIL import ImageGrab

from .log import log
from .waiting import wait_until

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 800


class VirtualDisplay:
    """Xvfb on a display number it picks itself (it writes the number to a pipe)."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("could not start Xvfb")
        self.name = f":{number}"

    def close(self):
        self.process.kill()
        self.process.wait()

    def env(self):
        return {**os.environ, "DISPLAY": self.name}

    def run(self, *command):
        """A command on this display; its standard output, empty when it failed."""
        done = subprocess.run(command, env=self.env(), capture_output=True, text=True, errors="replace")
        return done.stdout if done.returncode == 0 else ""

    # What is mapped. Without a window manager an X window is the client area of a Windows window.
    def visible_windows(self, program):
        """X windows of `program` (e.g. "TarnwickLauncher.exe") mapped on the screen; Wine names
        the X class after the program."""
        pattern = "^" + re.escape(program.lower()) + "$"
        return self.run("xdotool", "search", "--onlyvisible", "--class", pattern).split()

    def geometry(self, window):
        """(width, height, x, y) of an X window in screen pixels, or None when it is gone."""
        text = self.run("xwininfo", "-id", window)
        fields = dict(re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s*(-?\d+)", text, re.M))
        if len(fields) < 4:
            return None
        return (int(fields["Width"]), int(fields["Height"]),
                int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]))

    def property_text(self, window, name):
        """The value of an X property as xprop writes it, or None when the window has none."""
        match = re.match(rf"^{name}\([^)]*\) = (.*)$", self.run("xprop", "-id", window, name).strip())
        return match.group(1) if match else None

    def window_name(self, window):
        value = self.property_text(window, "_NET_WM_NAME")
        return value[1:-1] if value and value.startswith('"') else None

    def opacity(self, window):
        """The layered opacity Wine sets on a window, or None for an opaque one."""
        value = self.property_text(window, "_NET_WM_WINDOW_OPACITY")
        return int(value) if value is not None else None

    def find_visible(self, program, condition):
        """The first mapped window of `program` whose geometry meets `condition`."""
        for window in self.visible_windows(program):
            geometry = self.geometry(window)
            if geometry and condition(geometry):
                return window
        return None

    # Pixels.
    def grab(self):
        return ImageGrab.grab(xdisplay=self.name)

    def pixel(self, x, y):
        return self.grab().getpixel((x, y))

    def wait_for_pixel(self, x, y, condition, timeout):
        """Whether the screen pixel at (x, y) meets `condition` within `timeout` seconds."""
        return wait_until(lambda: condition(self.pixel(x, y)), timeout)

    def screenshot(self, path):
        self.grab().save(path)
        log(f"screenshot {path}")

    # Input, as a person gives it: the pointer moves there, then the buttons go down and up.
    POINTER_SETTLE = 0.3  # Wine gives a press to the window under the pointer only once it saw the move

    def move(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(self.POINTER_SETTLE)

    def click(self, x, y, button=1, count=1):
        self.move(x, y)
        self.run("xdotool", "click", "--repeat", str(count), "--delay", "80", str(button))

    def mouse_down(self, button=1):
        self.run("xdotool", "mousedown", str(button))

    def mouse_up(self, button=1):
        self.run("xdotool", "mouseup", str(button))

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def wait_for_window(self, program, condition, timeout):
        return wait_until(lambda: self.find_visible(program, condition), timeout)

    def quick_click(self, x, y, button=1, settle=0.05):
        """A click only `settle` seconds after the move, for input that must follow quickly."""
        self.run("xdotool", "mousemove", str(x), str(y), "sleep", str(settle), "click", str(button))

    def pointer_window(self):
        """The X window under the pointer (a new one there says that something opened)."""
        return dict(re.findall(r"^(\w+)=(.*)$", self.run("xdotool", "getmouselocation", "--shell"), re.M)).get("WINDOW")

    def move_now(self, x, y):
        """Moves the pointer without waiting for Wine to see it (for a click that comes later)."""
        self.run("xdotool", "mousemove", str(x), str(y))

    def glide(self, points, pause=0.005):
        """Moves the pointer through `points` in one go, resting `pause` seconds at each: a
        sweep of the hand, without the settling of `move` at every point."""
        command = ["xdotool"]
        for x, y in points:
            command += ["mousemove", str(x), str(y), "sleep", str(pause)]
        self.run(*command)
