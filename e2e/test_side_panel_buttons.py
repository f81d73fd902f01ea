"""The side panel's buttons with real input under Wine, in both editions: the panel opens with the
folder of "PUrl1" in its folder view, a folder tab shows the files of its folder (names the test
made are read from the view), an empty "PUrl3" shows the program's own folder, a tab naming a
missing folder brings no message; a tab shows its frame while pressed; a program button starts
its command, read afresh at each click; the About box shows its four lines, title "About...",
the system's information icon and one button."""
import shutil
import time

import pytest
from PIL import ImageChops

from harness.boxes import boxes
from harness.design import centre
from harness.launcher import TITLE
from harness.log import log
from harness.marker import marker_command, markers
from harness.panel import (Panel, alive_and_quiet, box_child, click_control, control_rect, no_box,
                           panel_config, start_with_panel)
from harness.waiting import wait_until

SETTLE = 1.5  # what a click on a tab or a button would have shown or started by then
PRESS_SECONDS = 2  # the pressed frame is drawn, and taken away, within this time
ABOUT = "About..."


def write_config(wine, folder, word):
    """Program button 1 runs write_marker.exe, which adds `word` to marker.txt."""
    command = marker_command(wine, folder, word)
    panel_config(folder, "PUrl1=docs", "PUrl2=tools", "PUrl3=", "PUrl4=missing", f"PXUrl1={command}")


class Buttons:
    def __init__(self, session, panel, program, folder, handle):
        self.session, self.panel, self.program, self.folder, self.handle = session, panel, program, folder, handle
        self.check, self.name = session.checks, program.removesuffix(".exe")

    def click(self, number):
        click_control(self.session.display, self.session.wine, self.program, self.handle, number)

    def shows(self, item):
        return wait_until(lambda: self.panel.shows_item(self.handle, item), 5)

    def folder_tabs(self):
        check, name = self.check, self.name
        check.that(self.shows("docs-file.txt"),
                   "the panel opens with the folder of PUrl1: the view lists docs-file.txt")
        self.session.screenshot(f"panel-buttons-1-docs-{name}")
        self.click(2)
        check.that(self.shows("tools-file.txt"), "folder tab 2 shows its folder: tools-file.txt")
        self.click(3)
        check.that(self.shows("config.ini"), "an empty PUrl3 shows the program's own folder: config.ini")
        check.that(self.panel.shows_item(self.handle, self.program), f"...and {self.program}")
        self.session.screenshot(f"panel-buttons-2-own-folder-{name}")
        self.click(4)
        time.sleep(SETTLE)
        log(f"after the tab naming a missing folder the view lists: {self.panel.items(self.handle, 5)}")
        check.that(alive_and_quiet(self.panel, self.folder, self.program, self.handle),
                   "a tab naming a missing folder shows no message, the program answers")
        self.session.screenshot(f"panel-buttons-3-missing-folder-{name}")

    def press_frame(self):
        display = self.session.display
        rect = control_rect(self.session.wine, self.program, self.handle, 5)
        if rect is None:
            self.check.fail("folder tab 5 is listed among the panel's controls")
            return
        x, y = centre(rect)
        corner = display.pixel(rect[0], rect[1])
        display.move(x, y)
        display.mouse_down()
        self.check.that(display.wait_for_pixel(rect[0], rect[1], lambda colour: colour == (0, 0, 0), PRESS_SECONDS),
                        f"folder tab 5 shows a black frame while pressed (corner was {corner})")
        display.move(x, y + 150)
        display.mouse_up()
        self.check.that(display.wait_for_pixel(rect[0], rect[1], lambda colour: colour == corner, PRESS_SECONDS),
                        "...and loses it on release")

    def program_button(self):
        check, folder = self.check, self.folder
        self.click(11)
        check.that(wait_until(lambda: markers(folder) == "one", 10), "program button 1 starts its command")
        write_config(self.session.wine, folder, "two")
        self.click(11)
        check.that(wait_until(lambda: markers(folder) == "one,two", 10),
                   "after an edit of PXUrl1 the next click starts the new command")
        self.click(12)
        time.sleep(SETTLE)
        check.that(markers(folder) == "one,two" and no_box(self.session.wine, self.program),
                   "program button 2 without PXUrl2 starts nothing and shows no message")

    def about(self, title):
        """The About box's icon is compared with the icon of a box of style 64 (information) that
        the probe shows."""
        session, wine, check = self.session, self.session.wine, self.check
        lines = (f"{title} Rev3\r\nAdministrator Version\r\nwww.tarnwick.example\r\n"
                 "Copyright (C) 2026 Tarnwick Software. All rights reserved.")
        self.click(8)
        check.that(wait_until(lambda: boxes(wine, self.program, ABOUT), 5),
                   'the About button shows a box titled "About..."')
        session.screenshot(f"panel-buttons-4-about-{self.name}")
        box = next(iter(boxes(wine, self.program, ABOUT)), {"children": []})
        texts = [c["text"] for c in box["children"] if c["class"] == "Static" and c["text"]]
        check.equal(texts[:1], [lines], "...with its four lines")
        check.equal(sum(1 for c in box["children"] if c["class"] == "Button"), 1, "...and one button")
        about_icon = self.icon(self.program, ABOUT)
        reference = self.panel.start("--box", "64")
        wait_until(lambda: boxes(wine, "panel_probe.exe", "reference"), 10)
        reference_icon = self.icon("panel_probe.exe", "reference")
        same = about_icon and reference_icon and ImageChops.difference(about_icon, reference_icon).getbbox() is None
        check.that(same, "...and the system's information icon")
        self.press_its_button("panel_probe.exe", "reference")
        reference.finish(10)
        self.press_its_button(self.program, ABOUT)
        check.that(wait_until(lambda: no_box(wine, self.program), 5), "its button closes it")

    def press_its_button(self, program, caption):
        """Clicks the one button of `program`'s box `caption` (its text is the system's: "OK" or
        "확인")."""
        button = box_child(self.session.wine, program, caption, "Button")
        if button:
            self.session.display.click(*centre(button["rect"]))

    def icon(self, program, caption):
        """What the screen shows of the icon of `program`'s box `caption`: its Static without text."""
        child = box_child(self.session.wine, program, caption, "Static", "")
        return self.session.display.grab().crop(tuple(child["rect"])) if child else None


@pytest.mark.parametrize("program,title", [("TarnwickLauncher.exe", TITLE), ("TarnwickLauncherLE.exe", TITLE + " LE")])
def test_side_panel_buttons(session, korean, program, title):
    wine = session.wine
    panel = Panel(korean)
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"buttons-{name}")
    shutil.copy2(session.build / "write_marker.exe", folder)
    for sub in ("docs", "tools"):
        (folder / sub).mkdir()
        (folder / sub / f"{sub}-file.txt").touch()
    write_config(wine, folder, "one")
    handle = start_with_panel(session, panel, folder, program)
    if handle is None:
        return
    buttons = Buttons(session, panel, program, folder, handle)
    buttons.folder_tabs()
    buttons.press_frame()
    buttons.program_button()
    buttons.about(title)
