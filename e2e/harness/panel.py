"""The launcher's side panel seen from outside, through panel_probe.exe (its JSON answers, see
win_tools/panel_probe.cpp): its state, the rectangle sampled while it moves, its folder view and
close requests; the bar's top button that opens it; config.ini written in code page 949 as a
Korean Windows reads it, and the Korean locale that gives Wine's programs that code page."""
import json
import pathlib
import subprocess
import tempfile
import time

from .boxes import boxes
from .design import centre
from .launcher import open_tray_menu, start_with_design, tray_icon_centre
from .log import log
from .skin_folders import write_config
from .wine import REPO
from .waiting import wait_until

KOREAN_LOCALE = "ko_KR.UTF-8"
SECTION = "Tarnwick™"
WATCH_READY_SECONDS = 20
# A screenshot this long after the action that starts a movement shows the panel on its way
# (the full edition's panel takes some seconds to open or close under Wine).
MOVEMENT_SHOT_SECONDS = 0.6


def korean_locale():
    """The environment that gives Wine's programs a Korean system's ANSI code page (949):
    LANG and LC_ALL set to ko_KR.UTF-8, a locale built into build/locale (LOCPATH) when the
    machine has none. None when it cannot be had."""
    env = {"LANG": KOREAN_LOCALE, "LC_ALL": KOREAN_LOCALE}
    known = subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout.split()
    if any(name.lower() in ("ko_kr.utf8", "ko_kr.utf-8") for name in known):
        return env
    path = REPO / "build" / "locale"
    built = path / KOREAN_LOCALE / "LC_CTYPE"
    if not built.exists():
        path.mkdir(parents=True, exist_ok=True)
        subprocess.run(["localedef", "-i", "ko_KR", "-f", "UTF-8", str(path / KOREAN_LOCALE)], capture_output=True)
    if not built.exists():
        log(f"could not build the {KOREAN_LOCALE} locale")
        return None
    return {**env, "LOCPATH": str(path)}


def panel_config(folder, *entries):
    """Writes `folder`/config.ini with `entries` ("key=value") in the launcher's section, in
    code page 949."""
    write_config(folder, f"[{SECTION}]", *entries)


class Panel:
    """The side panel of the one launcher that runs, asked through panel_probe.exe."""

    def __init__(self, wine):
        self.wine = wine
        self.probe_path = str(wine.build / "panel_probe.exe")

    def ask(self, *arguments):
        """The probe's JSON answer to `arguments` (None when it gave none)."""
        return self.wine.read_json(["wine", self.probe_path, *arguments])

    def state(self):
        """{"handle", "visible", "rect"} of the panel, or None when there is none."""
        answer = self.ask("--state")
        return answer["panel"] if answer else None

    def handle(self):
        state = self.state()
        return state["handle"] if state else None

    def rect(self):
        state = self.state()
        return state["rect"] if state else None

    def shown(self):
        """The handle of the panel when it is visible."""
        state = self.state()
        return state["handle"] if state and state["visible"] else None

    def hidden(self):
        state = self.state()
        return state is not None and not state["visible"]

    def gone(self):
        return self.ask("--state") == {"panel": None}

    def items(self, handle, most=100):
        """(count, the first `most` item texts) of the folder view in window `handle`; count
        None when it has no folder view."""
        answer = self.ask("--items", handle, str(most)) or {"count": None, "items": []}
        return answer["count"], answer["items"]

    def shows_item(self, handle, text):
        return text in self.items(handle)[1]

    def item_count(self, handle):
        return self.items(handle, 0)[0]

    def responds(self, handle):
        answer = self.ask("--responds", handle)
        return bool(answer and answer["responds"])

    def close_button(self, handle):
        """The middle of the title-bar close button of window `handle`, or None."""
        answer = self.ask("--close-button", handle)
        return tuple(answer["centre"]) if answer and answer["centre"] else None

    def post_closes(self, target, count, interval_ms):
        """Posts WM_CLOSE `count` times to `target` (a handle, or "panel": whatever panel exists
        at each moment); how many were posted."""
        answer = self.ask("--close", target, str(count), str(interval_ms))
        return answer["posted"] if answer else 0

    def start(self, *arguments):
        """The probe running in the background (see Background)."""
        return Background(self.wine, [self.probe_path, *arguments])


class Background:
    """A probe run in the background with its JSON lines going to a file; `finish` waits for
    its end and gives the answers."""

    def __init__(self, wine, command):
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["wine", *command], env=wine.env, stdout=self.output,
                                        stderr=subprocess.DEVNULL, start_new_session=True)

    def text(self):
        self.output.seek(0)
        return self.output.read().decode("utf-8", "replace").replace("\r", "")

    def answers(self):
        return [json.loads(line) for line in self.text().splitlines() if line.strip()]

    def finish(self, timeout):
        try:
            self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            log(f"a background probe did not end within {timeout} s")
        answers = self.answers()
        self.output.close()
        return answers


class Samples:
    """What a sampled run of the panel shows: the samples are {"t": ms, "panel": <state>}."""

    def __init__(self, samples):
        seen = [s["panel"] for s in samples if s["panel"] is not None]
        visible = [(s["t"], tuple(s["panel"]["rect"])) for s in samples if s["panel"] and s["panel"]["visible"]]
        sizes = [size_of(rect) for _, rect in visible]
        self.sizes = len(set(sizes))
        self.rects = len({rect for _, rect in visible})
        self.first = list(visible[0][1]) if visible else None
        self.last = seen[-1]["rect"] if seen else None
        self.last_visible = bool(seen and seen[-1]["visible"])
        self.ms = visible[-1][0] - visible[0][0] if visible else 0
        steps = list(zip(sizes, sizes[1:]))
        # The opening's last tick sets the final width, which one step can have passed, before it
        # moves the panel, and a sample may fall between the two: a fall to the final size counts
        # as growing still.
        self.grew = all(after == sizes[-1] for before, after in steps if after[0] < before[0] or after[1] < before[1])
        self.shrank = not any(after[0] > before[0] or after[1] > before[1] for before, after in steps)
        self.gone, self.before_gone, last = False, None, None
        for sample in samples:
            if sample["panel"] is None:
                if last is not None:
                    self.gone, self.before_gone = True, last
            else:
                last, self.gone = sample["panel"]["rect"], False

    def __str__(self):
        return (f"sizes={self.sizes} rects={self.rects} first={self.first} last={self.last} "
                f"last_visible={self.last_visible} grew={self.grew} shrank={self.shrank} ms={self.ms} "
                f"gone={self.gone} before_gone={self.before_gone}")


def size_of(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


class Watch:
    """The panel sampled in the background (every change of its state) for up to `max_ms`, or
    until `quiet_ms` after its last change."""

    def __init__(self, panel, max_ms, quiet_ms):
        self.max_ms = max_ms
        self.run = panel.start("--watch", str(max_ms), str(quiet_ms))
        if not wait_until(lambda: '"ready"' in self.run.text(), WATCH_READY_SECONDS):
            log("the panel watch did not start sampling")

    def finish(self, keep=None):
        """The samples, also kept in the file `keep` when given."""
        samples = [answer for answer in self.run.finish(self.max_ms / 1000 + 30) if "t" in answer]
        if keep:
            pathlib.Path(keep).write_text("".join(json.dumps(sample) + "\n" for sample in samples))
        return Samples(samples)


def watched(session, panel, shot, max_ms, quiet_ms, action):
    """Runs `action` while the panel is sampled, takes the screenshot `shot` during the movement
    and keeps the samples beside it; what they show."""
    watch = Watch(panel, max_ms, quiet_ms)
    action()
    time.sleep(MOVEMENT_SHOT_SECONDS)
    session.screenshot(shot)
    samples = watch.finish(session.artifacts / f"{shot}.samples.json")
    log(f"{shot}: {samples}")
    return samples


def press_top_button(display, design):
    """A click on the bar's top button (Image0), where the design puts it."""
    display.click(*design.centre(design.bar_button(0)))


# The panel's controls in the order it creates them, which is the order the system lists its
# children in: folder tabs 1-7, program buttons 11-13, About (8).
CONTROL_ORDER = (1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 8)


def control_rect(wine, program, handle, number):
    """The rectangle the system reports for control `number` of the panel `handle`, or None."""
    window = next((w for w in wine.windows(program) if w["handle"] == handle), None)
    index = CONTROL_ORDER.index(number)
    if window is None or len(window["children"]) <= index:
        return None
    return window["children"][index]["rect"]


def control_centre(wine, program, handle, number):
    rect = control_rect(wine, program, handle, number)
    return centre(rect) if rect else None


def click_control(display, wine, program, handle, number):
    """Clicks the middle of the panel's control `number`; whether it was found."""
    centre = control_centre(wine, program, handle, number)
    if centre:
        display.click(*centre)
    return centre is not None


def no_box(wine, program):
    return not boxes(wine, program)


def running(wine, folder, program):
    return wine.program_count(folder, program) == 1


def ended(wine, folder, program):
    return wine.program_count(folder, program) == 0


def runs_quietly(wine, folder, program):
    """The program runs and shows no message."""
    return running(wine, folder, program) and no_box(wine, program)


def alive_and_quiet(panel, folder, program, handle):
    """The program runs, shows no message, and its panel `handle` answers."""
    return runs_quietly(panel.wine, folder, program) and panel.responds(handle)


def open_rect(design):
    """Where the design puts the open panel (the full edition's open spot, the LE's fixed spot)."""
    return design.panel()["outer"]


def design_control_centre(design, number):
    """The middle of the panel's control `number` where the design puts it (open panel)."""
    return design.centre(design.control(design.panel(), "image", number))


def box_child(wine, program, caption, kind, text=lambda text: True):
    """The first child of class `kind` whose text meets `text` (a test, or the text itself) of the
    visible box of `program` captioned `caption`, or None."""
    test = text if callable(text) else text.__eq__
    return next((child for box in boxes(wine, program, caption) for child in box["children"]
                 if child["class"] == kind and test(child["text"])), None)


def exit_from_tray(session, program, shot):
    """Exit through the tray: a right-click on the icon, "종료", then Yes in the confirmation.
    The places of the three clicks (icon, menu item, Yes), or None when one was not found."""
    display, wine, check = session.display, session.wine, session.checks
    icon = tray_icon_centre(wine)
    item = open_tray_menu(display, wine, program)
    if not check.that(item, "a right-click on the tray icon opens the menu"):
        return None
    display.click(*item)
    # Yes is "&Yes", or "예(&Y)" on a Korean system.
    yes = wait_until(lambda: box_child(wine, program, "Close", "Button", lambda text: "&Y" in text), 10)
    check.that(yes, '"종료" asks for confirmation')
    session.screenshot(f"{shot}-confirmation")
    if yes is None:
        return None
    places = icon, item, centre(yes["rect"])
    log(f"exit clicks: icon {places[0]}, item {places[1]}, Yes {places[2]}")
    display.click(*places[2])
    return places


def tray_icon_gone(wine):
    return tray_icon_centre(wine) is None


def open_panel(session, panel, design, timeout=60):
    """Presses the top button and checks that the panel comes to rest where the design puts it;
    its handle, or None."""
    press_top_button(session.display, design)
    spot = open_rect(design)
    if not session.checks.that(wait_until(lambda: panel.rect() == spot, timeout), "the top button opens the panel"):
        return None
    return panel.handle()


def start_with_panel(session, panel, folder, program):
    """Starts `program` from `folder` (retried once, see Session.start_ready) and opens its panel;
    the panel's handle, or None."""
    design = start_with_design(session, folder, program, retry=True)
    if not design:
        return None
    return open_panel(session, panel, design)
