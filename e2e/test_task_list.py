"""Both programs stay out of the task list: on Wine's virtual desktop with a taskbar, the
launcher's main window gets no taskbar button, while an ordinary program (Notepad, started
beside it as a control) does."""
import pytest

from harness.desktop import main_window_on_desktop, shows_on_desktop, taskbar_buttons
from harness.waiting import wait_until


@pytest.mark.parametrize("program", ["TarnwickLauncher.exe", "TarnwickLauncherLE.exe"])
def test_task_list(session, program):
    wine, check = session.wine, session.checks
    name = program.removesuffix(".exe")
    folder = session.new_folder(f"task-list-{name}")
    if not session.start_ready(f"{program} reaches its main window on the desktop", folder, program,
                               lambda: shows_on_desktop(wine, folder, program, main_window_on_desktop),
                               on_desktop=True, retry=True):
        return
    buttons = taskbar_buttons(wine)
    check.equal(buttons, 1, f"the taskbar shows no button for it (only Start): {buttons}")
    session.screenshot(f"task-list-1-launcher-alone-{name}")
    wine.start(folder, "notepad", on_desktop=True)
    check.that(wait_until(lambda: taskbar_buttons(wine) == 2, 20), "an ordinary program beside it gets a button")
    session.screenshot(f"task-list-2-beside-notepad-{name}")
