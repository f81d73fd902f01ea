"""The launcher at 100, 125, 150 and 200 % scaling (96, 120, 144 and 192 dpi, set in Wine's
prefix as a person sets it in the display settings): for each, and for both editions, the
docked bar and the open side panel are found by what the system reports of them, their client
areas are scaled back to 96 dpi and compared with the 96-dpi screenshot, the folder listing
aside (its texts are the system's). They must match within the tolerance below: the skin's
background pictures fill the bar and the panel as at 100 %, the buttons keep their places. The
splash at 144 and 192 dpi: its logo in the same way, its label by the room its letters take.
Then a resolution change while running: WM_DPICHANGED sent from outside to the bar and the panel
of a program started at 96 dpi, after which the bar must dock at the right edge and both must
look as when started at 144 dpi. The candy gallery at 144 dpi: its layout grows by 1.5.
Screenshots of every scaling stay as artefacts. The prefix is at 96 dpi again after each test."""
import shutil

import pytest

from conftest import cannot_run
from harness import panel
from harness.display import VirtualDisplay
from harness.gallery import start_gallery
from harness.launcher import edition_of
from harness.dpi import NORMAL_DPI, client_picture, difference, display_at, ink_box, scale_of, scaled_to_96
from harness.log import log
from harness.skin_folders import write_config
from harness.wine import REPO
from harness.waiting import wait_until, wait_until_steady

PROGRAMS = ("TarnwickLauncher.exe", "TarnwickLauncherLE.exe")
# The tolerance: the mean difference of the colour channels over the compared area, in % of
# full scale, and the share of pixels whose colour differs by more than 20 %. Both allow for
# what resampling does to the thin lines and small letters of the skin's pictures (at 96 dpi
# they are drawn 1:1, at other scalings stretched and then scaled back by this check: up to
# 2.3 % and 2.4 % were seen); a background picture left at its 96-dpi size, a button out of
# place or a picture drawn small fails them by far.
MEAN_TOLERANCE = 3
OUTLIER_TOLERANCE = 3
STEADY_READING = 0.5  # a window or a picture is at rest when two readings this far apart agree
# The splash's label, lettered at the resolution and scaled back, takes the room of the 96-dpi
# lines: its width and height within these shares of theirs. Letters do not grow exactly by
# dpi / 96 (a font's hinting differs by size); where a line would wrap at the resolution its
# font is a pixel smaller (17 instead of 18 pixels at 144 dpi: 6 % smaller). Were the last line
# wrapped, its last word would fall below the label and the ink would be 14 % narrower.
INK_LOW, INK_HIGH = 0.92, 1.05

# The client areas of the bar and the panel taken at each resolution: {(name, dpi, "bar"): picture}.
taken = {}


@pytest.fixture(scope="session")
def display():
    """A screen on which the panel fits at 200 % too (it is 15345 twips wide: 2046 pixels)."""
    screen = VirtualDisplay(2560, 1600)
    yield screen
    screen.close()


@pytest.fixture(autouse=True)
def tools(win_build):
    for tool in ("dpi_change.exe", "CandyGallery.exe"):
        if not (win_build / tool).is_file():
            cannot_run(f"{win_build / tool} is missing (build the {win_build.name} preset first)")


def skin_folder(session, name):
    """A program folder with the sample skin's pictures: the bar's and the panel's background,
    the buttons and tabs; no translucency, so that screenshots show the pictures alone."""
    folder = session.new_folder(name, None)
    shutil.copytree(REPO / "sample" / "image", folder / "image")
    (folder / "docs").mkdir()
    lines = ["[BG1]", "image=bg1.jpg", "[BG2]", "image=bg2.jpg"]
    for n in range(1, 25):
        lines += [f"[{n:03}]", f"image=btn{n:02}.jpg"]
    lines.append("[Tarnwick™]")
    for n in range(1, 8):
        lines += [f"PUrl{n}=docs", f"Pimg{n}=tab{n}.jpg"]
    for n in range(1, 4):
        lines.append(f"PXimg{n}=prog{n}.jpg")
    write_config(folder, *lines)
    return folder


def launcher_window(wine, program, wanted):
    """The program's visible window with controls that meets `wanted`."""
    return next((w for w in wine.windows(program) if w["visible"] and w["children"] and wanted(w)), None)


def docked_bar(wine, program, design):
    return launcher_window(wine, program, lambda w: w["rect"] == design.bar()["outer"])


def open_panel(wine, program, design):
    """The program's panel (its visible window with controls that is not the bar)."""
    return launcher_window(wine, program, lambda w: w["rect"] != design.bar()["outer"])


def steady_client(session, window):
    """A screenshot once the window's client area has stopped changing, and that client area."""
    read = lambda: client_picture(session.display.grab(), window).tobytes()  # noqa: E731
    wait_until_steady(read, 10, STEADY_READING)
    shot = session.display.grab()
    return shot, client_picture(shot, window)


def keep(session, picture, name):
    picture.save(session.artifacts / f"{name}.png")
    log(f"screenshot {session.artifacts / name}.png")


def relative(rect, origin):
    """`rect` in the coordinates of a picture whose top left is `origin` on the screen."""
    return rect[0] - origin[0], rect[1] - origin[1], rect[2] - origin[0], rect[3] - origin[1]


def bar_regions(design):
    """Where the bar shows its background picture alone, at 96 dpi in its client area: the gaps
    under the top button and under launch buttons 1 and 2, and the left margin. The picture's
    rails and shades there are thin and dark, so a mean over the whole bar would hardly see them
    missing."""
    client = design.bar()["client"]
    buttons = [relative(design.bar_button(n), client) for n in range(4)]
    gaps = [(0, upper[3], buttons[1][2], lower[1]) for upper, lower in zip(buttons, buttons[1:])]
    return [*gaps, (0, 0, buttons[1][0], client[3] - client[1])]


def panel_regions(design):
    """The parts of the panel's client area outside the folder listing: the strip of folder tabs
    above it and the column of buttons left of it."""
    client = design.panel()["client"]
    listing = relative(next(c["rect"] for c in design.panel()["controls"] if c["kind"] == "folder_view"), client)
    return [(0, 0, client[2] - client[0], listing[1]), (0, listing[1], listing[0], listing[3])]


def compare(check, what, reference, picture, dpi, regions=None):
    """Scales `picture` (taken at `dpi`) to 96 dpi and compares the regions of it and of
    `reference`, by default all that both show: the bar is as tall as the screen at any scaling,
    and the system's frame and title bar do not grow exactly by dpi / 96, so neither does what
    is left of a window for its client area."""
    scaled = scaled_to_96(picture, dpi)
    width, height = min(reference.width, scaled.width), min(reference.height, scaled.height)
    for left, top, right, bottom in regions or [(0, 0, width, height)]:
        box = (left, top, min(right, width), min(bottom, height))
        mean, outliers = difference(reference, scaled, box)
        area = f"{box[2] - box[0]}x{box[3] - box[1]}+{box[0]}+{box[1]}"
        check.that(mean <= MEAN_TOLERANCE and outliers <= OUTLIER_TOLERANCE,
                   f"{what}, area {area} at 96 dpi: mean difference {mean:.2f} % (<= {MEAN_TOLERANCE}), "
                   f"pixels off by > 20 %: {outliers:.2f} % (<= {OUTLIER_TOLERANCE})")


def shows_bar_and_panel(session, program, dpi):
    """Starts the program in a skinned folder, waits for the docked bar, opens the panel, keeps
    the screenshots and the client areas. Whether both showed."""
    wine, check, name = session.wine, session.checks, program.removesuffix(".exe")
    folder = skin_folder(session, f"{name}-{dpi}")
    design = session.design(folder, edition_of(name), scale_of(dpi))
    width = design.size(design.bar()["outer"])[0]
    wine.start(folder, program)
    bar = wait_until(lambda: docked_bar(wine, program, design), 40)
    if not check.that(bar, f"{program} at {dpi} dpi docks its bar, {width} pixels wide"):
        return False
    shot, taken[name, dpi, "bar"] = steady_client(session, bar)
    keep(session, shot, f"dpi-{name}-{dpi}-bar")
    keep(session, taken[name, dpi, "bar"], f"dpi-client-{name}-{dpi}-bar")
    panel.press_top_button(session.display, design)
    opened = wait_until_steady(lambda: open_panel(wine, program, design), 30, STEADY_READING)
    if not check.that(opened, "...its top button opens the panel"):
        return False
    shot, taken[name, dpi, "panel"] = steady_client(session, opened)
    keep(session, shot, f"dpi-{name}-{dpi}-panel")
    keep(session, taken[name, dpi, "panel"], f"dpi-client-{name}-{dpi}-panel")
    log(f"bar: {bar['rect']} client {bar['client']}; panel: {opened['rect']} client {opened['client']}")
    return True


@pytest.mark.parametrize("dpi", [96, 120, 144, 192])
def test_bar_and_panel(session, korean, dpi):
    with display_at(session.wine, dpi):
        for program in PROGRAMS:
            shown = shows_bar_and_panel(session, program, dpi)
            session.wine.stop_all()
            if not shown or dpi == NORMAL_DPI:
                continue
            name = program.removesuffix(".exe")
            design = session.design(session.work / f"{name}-{dpi}", edition_of(name))
            bar, bar_96 = taken[name, dpi, "bar"], taken.get((name, NORMAL_DPI, "bar"))
            panel_picture, panel_96 = taken[name, dpi, "panel"], taken.get((name, NORMAL_DPI, "panel"))
            if not session.checks.that(bar_96 and panel_96, f"{name} at 96 dpi was seen, to compare with"):
                continue
            compare(session.checks, f"{name} bar at {dpi} dpi", bar_96, bar, dpi)
            compare(session.checks, f"{name} bar's background at {dpi} dpi", bar_96, bar, dpi, bar_regions(design))
            compare(session.checks, f"{name} panel at {dpi} dpi", panel_96, panel_picture, dpi, panel_regions(design))


def opaque_splash(session, dpi):
    """Starts the full edition and takes a picture of its splash while it holds fully opaque
    (between its fades). The picture, or None when the splash did not show."""
    display, check = session.display, session.checks
    folder = session.new_folder(f"splash-{dpi}")
    design = session.design(folder, scale=scale_of(dpi))
    outer = design.splash()["outer"]
    width = design.size(outer)[0]
    session.wine.start(folder, "TarnwickLauncher.exe")
    splash = display.wait_for_window("TarnwickLauncher.exe", lambda g: g == design.window_geometry(design.splash()), 30)
    if not check.that(splash, f"the splash shows at {dpi} dpi, {width} pixels wide"):
        return None
    wait_until(lambda: display.opacity(splash) is not None, 2)  # fading in
    check.that(wait_until(lambda: display.opacity(splash) is None, 5), f"...and holds fully opaque at {dpi} dpi")
    picture = display.grab().crop(tuple(outer))
    keep(session, picture, f"dpi-splash-{dpi}")
    return picture


@pytest.mark.parametrize("dpi", [96, 144, 192])
def test_splash(session, dpi):
    check = session.checks
    with display_at(session.wine, dpi):
        taken["splash", dpi] = opaque_splash(session, dpi)
        session.wine.stop_all()
    picture, reference = taken["splash", dpi], taken.get(("splash", NORMAL_DPI))
    if dpi == NORMAL_DPI or picture is None:
        return
    if not check.that(reference, "the splash at 96 dpi was seen, to compare with"):
        return
    splash = session.design(session.work / f"splash-{dpi}").splash()
    logo, label = (relative(c["rect"], splash["outer"]) for c in sorted(splash["controls"], key=lambda c: c["id"]))
    compare(check, f"the splash's logo at {dpi} dpi", reference, picture, dpi, [logo])
    # The label's four lines: their ink, lettered at the resolution and scaled back, takes the
    # room of the 96-dpi lines.
    ink_96, ink = ink_box(reference, label), ink_box(scaled_to_96(picture, dpi), label)
    size_96 = (ink_96[2] - ink_96[0], ink_96[3] - ink_96[1]) if ink_96 else (0, 0)
    size = (ink[2] - ink[0], ink[3] - ink[1]) if ink else (0, 0)
    check.that(ink_96 and all(INK_LOW * a <= b <= INK_HIGH * a for a, b in zip(size_96, size)),
               f"the splash's label at {dpi} dpi, scaled back, covers {size[0]}x{size[1]} against "
               f"{size_96[0]}x{size_96[1]} at 96 dpi (width and height -8..+5 %)")


def send_dpi_change(session, window, what):
    """WM_DPICHANGED from 96 to 144 dpi, as the system sends it when a window moves to a monitor
    of that resolution."""
    code, output = session.wine.run(str(session.build / "dpi_change.exe"), window["handle"], "96", "144")
    log(f"WM_DPICHANGED to the {what}: exit {code}, {output.strip()}")


def test_dpi_change(session, korean):
    """The full edition started at 96 dpi is told that its bar and then its panel are now on a
    monitor of 144 dpi. The bar must dock at the right edge at its 144-dpi width and both must
    look as when started at 144 dpi."""
    wine, check, program = session.wine, session.checks, "TarnwickLauncher.exe"
    folder = skin_folder(session, "dpi-change")
    design, design_144 = session.design(folder), session.design(folder, scale=scale_of(144))
    wine.start(folder, program)
    bar = wait_until(lambda: docked_bar(wine, program, design), 40)
    if not check.that(bar, "the bar docks at 96 dpi before the change"):
        return
    panel.press_top_button(session.display, design)
    opened = wait_until_steady(lambda: open_panel(wine, program, design), 30, STEADY_READING)
    if not check.that(opened, "...and opens its panel"):
        return
    send_dpi_change(session, bar, "bar")
    bar = wait_until(lambda: docked_bar(wine, program, design_144), 20)
    width = design.size(design_144.bar()["outer"])[0]
    if not check.that(bar, f"after WM_DPICHANGED to 144 dpi the bar docks at the right edge, {width} pixels wide"):
        return
    shot, bar_picture = steady_client(session, bar)
    keep(session, shot, "dpi-change-bar-96-to-144")
    keep(session, bar_picture, "dpi-client-change-bar")

    send_dpi_change(session, opened, "panel")
    tab_width = design.size(design_144.control(design_144.panel(), "image", 1))[0]

    def first_tab_width():
        shown = open_panel(wine, program, design_144)
        return shown and design.size(shown["children"][0]["rect"])[0]

    check.that(wait_until(lambda: first_tab_width() == tab_width, 5),
               f"...the panel's first folder tab is {tab_width} pixels wide, as at 144 dpi")
    opened = wait_until_steady(lambda: open_panel(wine, program, design_144), 10, STEADY_READING)
    if not check.that(opened, "...and the panel comes to rest"):
        return
    shot, panel_picture = steady_client(session, opened)
    keep(session, shot, "dpi-change-panel-96-to-144")
    keep(session, panel_picture, "dpi-client-change-panel")
    log(f"after the change: bar {bar['rect']}; panel {opened['rect']}")
    wine.stop_all()
    bar_144, panel_144 = taken.get(("TarnwickLauncher", 144, "bar")), taken.get(("TarnwickLauncher", 144, "panel"))
    if not check.that(bar_144 and panel_144, "the full edition at 144 dpi was seen, to compare with"):
        return
    compare(check, "the bar after the change, against the bar started at 144 dpi", bar_144, bar_picture, NORMAL_DPI)
    compare(check, "the panel after the change, against the panel started at 144 dpi", panel_144, panel_picture,
            NORMAL_DPI, panel_regions(design_144))


def gallery_window(wine):
    return next((w for w in wine.windows("CandyGallery.exe") if w["class"] == "TarnwickCandyGallery"), None)


def first_two(gallery_log):
    """The latest places of the gallery's first two buttons, as (x, y, width, height)."""
    return list(gallery_log.places().values())[:2]


def check_gallery_grown(session, gallery_log, what):
    """The gallery's latest layout is its layout at 96 dpi grown by 1.5."""
    check = session.checks
    buttons = first_two(gallery_log)
    if not check.that(len(buttons) == 2, f"the gallery logged its buttons {what}"):
        return
    (x, _, width, height), (second_x, _, _, _) = buttons
    log(f"gallery buttons {what}: {buttons}")
    reference = taken.get(("gallery", NORMAL_DPI))
    if not check.that(reference, "the gallery's layout at 96 dpi was seen, to compare with"):
        return
    grown = lambda value: round(value * 144 / NORMAL_DPI)  # noqa: E731
    size = (grown(reference[0][2]), grown(reference[0][3]))
    check.equal((width, height), size, f"...its buttons are {size[0]} x {size[1]} pixels")
    apart = grown(reference[1][0] - reference[0][0])
    check.equal(second_x - x, apart, f"...{apart} pixels apart")


def test_gallery_dpi_change(session):
    """The gallery started at 96 dpi and told that it is now on a monitor of 144 dpi: its buttons
    and labels are laid out and lettered again as when started at 144 dpi."""
    wine, check = session.wine, session.checks
    gallery_log = start_gallery(session, session.work / "gallery-change")
    if not check.that(gallery_log.ready(), "the gallery starts at 96 dpi"):
        return
    taken["gallery", NORMAL_DPI] = first_two(gallery_log)
    window = gallery_window(wine)
    if not check.that(window, "...and its window is listed"):
        return
    send_dpi_change(session, window, "gallery")
    if not check.that(wait_until(lambda: {"record": "dpi", "dpi": 144} in gallery_log.of("dpi"), 20),
                      "...after WM_DPICHANGED it lays itself out at 144 dpi"):
        return
    steady_client(session, gallery_window(wine))
    session.screenshot("dpi-gallery-96-to-144")
    check_gallery_grown(session, gallery_log, "after the change")


def test_gallery_at_144(session):
    """The gallery at 144 dpi: its buttons stand in the layout of 96 dpi grown by 1.5, lettered at
    144 dpi; the screenshot is kept."""
    with display_at(session.wine, 144):
        gallery_log = start_gallery(session, session.work / "gallery")
        if not session.checks.that(gallery_log.ready(), "the gallery starts at 144 dpi"):
            return
        steady_client(session, gallery_window(session.wine))
        session.screenshot("dpi-gallery-144")
        check_gallery_grown(session, gallery_log, "at 144 dpi")
        session.wine.stop_all()
