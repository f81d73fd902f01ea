"""The candy gallery (CandyGallery.exe) as the checks see it: started with a log, whose records
(one JSON object a line, see src/candy_gallery/gallery_log_records.h) say where its buttons are,
which events they raised, which pointers the system shares and how many objects it holds; and
the colour of a patch of the screen."""
import json
import shutil

from .waiting import wait_until

PROGRAM = "CandyGallery.exe"
LOG = "events.log"
READY_SECONDS = 60  # the gallery's first start in a fresh prefix takes a while


class GalleryLog:
    """The records the gallery has written so far, re-read at every question."""

    def __init__(self, path):
        self.path = path

    def records(self):
        """The whole lines of the log as records (a line being written is left for later)."""
        try:
            text = self.path.read_text(encoding="utf-8", errors="replace")
        except OSError:
            return []
        return [json.loads(line) for line in text.split("\n")[:-1] if line.strip()]

    def of(self, kind):
        return [r for r in self.records() if r["record"] == kind]

    def ready(self):
        return bool(self.of("ready"))

    def status(self):
        return next((r["text"] for r in self.of("status")), None)

    def places(self):
        """Each button's latest place, {name: (x, y, width, height)} in screen pixels."""
        return {r["button"]: (r["x"], r["y"], r["width"], r["height"]) for r in self.of("place")}

    def centre(self, button):
        x, y, width, height = self.places()[button]
        return x + width // 2, y + height // 2

    def events(self):
        return self.of("event")

    def events_of(self, button, since=0, moves=False):
        """The events of `button` among the log's events from number `since` on, as (name,
        mouse arguments or None); without the pointer moves unless `moves`."""
        return [(e["event"], e.get("mouse")) for e in self.events()[since:]
                if e["button"] == button and (moves or e["event"] != "MouseMove")]

    def has_event(self, name, button, since=0):
        return any(e["event"] == name and e["button"] == button for e in self.events()[since:])

    def cursors(self):
        return next(iter(self.of("cursors")), None)

    def objects(self):
        return self.of("objects")


def start_gallery(session, folder):
    """Copies the gallery into `folder` (made if missing) and starts it there with its log;
    the log, whether or not the gallery became ready."""
    folder.mkdir(parents=True, exist_ok=True)
    shutil.copy2(session.build / PROGRAM, folder / PROGRAM)
    session.wine.start(folder, PROGRAM, "--log", LOG)
    log = GalleryLog(folder / LOG)
    wait_until(log.ready, READY_SECONDS)
    return log


def box_colour(image, x, y, half=2):
    """The average colour of the (2 half + 1)-pixel square of `image` around (x, y)."""
    pixels = list(image.crop((x - half, y - half, x + half + 1, y + half + 1)).convert("RGB").getdata())
    return tuple(round(sum(p[i] for p in pixels) / len(pixels)) for i in range(3))


def near(first, second, tolerance):
    return all(abs(a - b) <= tolerance for a, b in zip(first, second))
