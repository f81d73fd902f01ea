"""The candy gallery under Wine with real X input: the pointer over a gloss button paints its
Hover face (compared with the simulated platform's painting of the same button) and raises
MouseEnter, leaving raises MouseLeave and paints the rest face again; press and release raise
MouseDown, MouseUp, Click; a double click raises DblClick; Tab then Enter raises MouseDown,
MouseUp, Click on the next button; the system shows its hand over the hand-pointer button; the
disabled button raises none of the press events; and a minute of pointer sweeps leaves the
gallery's USER and GDI object counts where they were. The buttons' places, the events and the
counts come from the gallery's log. Screenshots: e2e-artifacts/<build folder name>/gallery_*.png."""
import json
import os
import pathlib
import subprocess
import time

from PIL import Image

from conftest import cannot_run, require_programs
from harness.gallery import PROGRAM, box_colour, near, start_gallery
from harness.log import log
from harness.waiting import wait_until

TOLERANCE = 30  # per colour channel, screen against the simulated painting
FACE_POINT = (10, 16)  # inside "Hover me": left of its caption, below its highlight
NORMAL, HOVER = 0, 3  # the button's states as the simulated painting numbers them
EVENT_SECONDS = 5
DOUBLE_CLICK_PAUSE = 0.8  # longer than the double-click time: the next press starts a new pair
NOTHING_RAISED_SETTLE = 1  # events raised by the input would be in the log by then
SOAK_SECONDS = int(os.environ.get("E2E_GALLERY_SOAK_SECONDS", "60"))
BASELINE_AFTER = 10  # seconds of sweeps before the reference count
SWEEP_STEPS = (23, 29)  # pixels per pointer step, left to right and back
AWAY = (1000, 700)  # a point of the screen outside the gallery


def sim_colour(probe, description, state):
    """The colour the simulated platform paints "Hover me" in `state` at FACE_POINT."""
    done = subprocess.run([str(probe), str(description), "Hover me", str(state), *map(str, FACE_POINT)],
                          capture_output=True, text=True, check=True)
    return tuple(json.loads(done.stdout)["colour"])


def shown_cursor(wine):
    answer = wine.read_json(["wine", str(wine.build / "cursor_probe.exe")])
    return answer["cursor"] if answer else None


class GalleryCheck:
    """One gallery run: its log, the pointer and keyboard, and the checks."""

    def __init__(self, session, log_, description, probe):
        self.session, self.log = session, log_
        self.display, self.check = session.display, session.checks
        self.description, self.probe = description, probe

    def away(self):
        self.display.move(*AWAY)

    def move_to(self, button):
        self.display.move(*self.log.centre(button))

    def face_on_screen(self):
        x, y, _, _ = self.log.places()["Hover me"]
        return box_colour(self.display.grab(), x + FACE_POINT[0], y + FACE_POINT[1])

    def check_face(self, screenshot, state, name):
        """Waits until the face of "Hover me" shows the simulated painting of `state`."""
        want = sim_colour(self.probe, self.description, state)
        wait_until(lambda: near(self.face_on_screen(), want, TOLERANCE), EVENT_SECONDS)
        seen = self.face_on_screen()
        self.session.screenshot(screenshot)
        self.check.that(near(seen, want, TOLERANCE), f"{name} face of Hover me: screen {seen}, painted by the sim {want}")

    def wait_event(self, name, button, since=0):
        return wait_until(lambda: self.log.has_event(name, button, since), EVENT_SECONDS)

    def expect_events(self, what, since, button, expected):
        got = self.log.events_of(button, since)
        self.check.that(got == expected, what if got == expected else f"{what}: expected {expected} got {got}")

    def hover(self):
        normal = sim_colour(self.probe, self.description, NORMAL)
        hover = sim_colour(self.probe, self.description, HOVER)
        self.check.that(not near(normal, hover, 2 * TOLERANCE),
                        f"the Normal and Hover faces can be told apart ({normal}, {hover})")
        self.away()
        self.check_face("gallery_normal", NORMAL, "Normal")
        self.move_to("Hover me")
        self.check.that(self.wait_event("MouseEnter", "Hover me"), "MouseEnter is raised over Hover me")
        self.check_face("gallery_hover", HOVER, "Hover")
        self.save_window("gallery_hover", "gallery_window_hover")
        self.away()
        self.check.that(self.wait_event("MouseLeave", "Hover me"), "MouseLeave is raised when the pointer leaves")
        self.check_face("gallery_left", NORMAL, "Normal again")

    def save_window(self, screenshot, name):
        """The gallery's window alone, cut from a screenshot: the picture of the README."""
        for window in self.display.visible_windows(PROGRAM):
            width, height, x, y = self.display.geometry(window)
            with Image.open(self.session.artifacts / f"{screenshot}.png") as shot:
                shot.crop((x, y, x + width, y + height)).save(self.session.artifacts / f"{name}.png")

    def presses(self):
        _, _, width, height = self.log.places()["Style 2"]
        at_centre = {"button": 1, "shift": 0, "x": width // 2, "y": height // 2}
        down, up, click = ("MouseDown", at_centre), ("MouseUp", at_centre), ("Click", None)
        self.move_to("Style 2")
        self.wait_event("MouseEnter", "Style 2")
        since = len(self.log.events())
        self.display.click(*self.log.centre("Style 2"))
        self.wait_event("Click", "Style 2", since)
        self.expect_events("press and release raise MouseDown, MouseUp, Click", since, "Style 2", [down, up, click])
        time.sleep(DOUBLE_CLICK_PAUSE)
        since = len(self.log.events())
        self.display.click(*self.log.centre("Style 2"), count=2)
        self.wait_event("DblClick", "Style 2", since)
        self.expect_events("a double click raises DblClick", since, "Style 2",
                           [down, up, click, ("DblClick", None), up])
        since = len(self.log.events())
        self.display.key("Tab")
        self.display.key("Return")
        self.wait_event("Click", "Style 3", since)
        by_key = {"button": 1, "shift": 0, "x": 0, "y": 0}
        self.expect_events("Tab then Enter raises MouseDown, MouseUp, Click on the next button", since, "Style 3",
                           [("MouseDown", by_key), ("MouseUp", by_key), click])
        self.session.screenshot("gallery_keyboard")

    def cursor_over(self, button):
        """The pointer the system shows over `button` (moved onto it, then by a pixel, so that
        the system asks the button for its pointer)."""
        x, y = self.log.centre(button)
        self.display.move(x, y)
        self.display.move(x + 1, y + 1)
        return shown_cursor(self.session.wine)

    def cursors(self):
        shared = self.log.cursors() or {}
        over_hand, over_plain = self.cursor_over("Hand pointer"), self.cursor_over("Style 0")
        hand, arrow = shared.get("hand"), shared.get("arrow")
        self.check.that(hand is not None and over_hand == hand,
                        f"the hand is shown over Hand pointer ({over_hand}, the hand is {hand})")
        self.check.that(arrow is not None and over_plain == arrow,
                        f"the arrow is shown over Style 0 ({over_plain}, the arrow is {arrow})")

    def disabled(self):
        self.move_to("Disabled")
        self.check.that(self.wait_event("MouseEnter", "Disabled"), "the disabled button still raises MouseEnter")
        since = len(self.log.events())
        x, y = self.log.centre("Disabled")
        self.display.click(x, y)
        self.display.click(x, y, count=2)
        self.display.key("Return")
        self.display.move(x + 3, y + 2)
        time.sleep(NOTHING_RAISED_SETTLE)
        got = self.log.events_of("Disabled", since, moves=True)
        self.check.that(got == [], "the disabled button raises no click, press, release or move events"
                        + ("" if got == [] else f" (got {got})"))
        self.away()
        self.check.that(self.wait_event("MouseLeave", "Disabled"), "the disabled button still raises MouseLeave")

    def next_count(self):
        """The next object count the gallery logs (every 2 s), or None."""
        seen = len(self.log.objects())
        return wait_until(lambda: self.log.objects()[seen:] and self.log.objects()[seen], 3 * 2)

    def soak(self):
        """Pointer sweeps over every row of buttons, left to right and back."""
        places = self.log.places()
        rows = sorted({y + height // 2 for _, y, _, height in places.values()})
        left, right = places["Style 0"][0], places["Style 3"][0] + places["Style 3"][2]
        forth, back = SWEEP_STEPS
        sweep = [*range(left, right + 1, forth), *range(right, left - 1, -back)]
        enters_before = sum(1 for e in self.log.events() if e["event"] == "MouseEnter")
        start, baseline = time.monotonic(), None
        while time.monotonic() - start < SOAK_SECONDS:
            for row in rows:
                self.display.glide([(x, row) for x in sweep])
            if baseline is None and time.monotonic() - start >= BASELINE_AFTER:
                baseline = self.next_count()
        self.away()
        self.next_count()  # one count may have been under way as the sweeps ended
        final = self.next_count()
        enters = sum(1 for e in self.log.events() if e["event"] == "MouseEnter") - enters_before
        log(f"soak of {SOAK_SECONDS} s: {enters} pointer entries; objects after {BASELINE_AFTER} s: {baseline}; "
            f"at the end: {final}")
        self.check.that(enters >= 40, f"the sweeps entered buttons many times ({enters})")
        measured = bool(baseline and final and baseline["gdi"] > 0)
        self.check.that(measured, f"object counts were measured ({baseline} / {final})")
        if measured:
            self.check.that(final["user"] <= baseline["user"],
                            f"USER objects did not grow ({baseline['user']} -> {final['user']})")
            self.check.that(final["gdi"] <= baseline["gdi"], f"GDI objects did not grow ({baseline['gdi']} -> {final['gdi']})")
        self.session.screenshot("gallery_after_soak")


def test_candy_gallery(session):
    require_programs(session.build, PROGRAM, "cursor_probe.exe")
    probe = pathlib.Path(session.skin_tool).parent / "candy_gallery_probe"  # beside it in the native build
    if not probe.is_file():
        cannot_run(f"{probe} is missing (build the native preset first)")
    folder = session.work / "gallery"
    gallery_log = start_gallery(session, folder)
    check = session.checks
    check.that(gallery_log.ready(), "the gallery reports its window")
    check.that(all((folder / name).is_file() and (folder / name).stat().st_size > 0
                   for name in ("CandyGallery.txt", "gem.ico")), "the gallery wrote its description and picture")
    if not gallery_log.ready():
        return
    gallery = GalleryCheck(session, gallery_log, folder / "CandyGallery.txt", probe)
    gallery.hover()
    gallery.presses()
    gallery.cursors()
    gallery.disabled()
    gallery.soak()
