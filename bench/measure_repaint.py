"""Cost of painting the bar under Wine: the bar of a skin whose background picture and 24 button
pictures cover it (the buttons with transparent parts, so that each control paints the
background behind it first), and the bar with its built-in pictures and no background picture,
each repainted whole COUNT times from outside by repaint_probe.exe. Prints the mean time of one
repaint of each.
Not a test: it reports figures and fails only when it cannot measure.
    /usr/bin/python3 bench/measure_repaint.py BUILD_FOLDER [COUNT (200)] [PROGRAM (TarnwickLauncher.exe)]"""
import sys
import time

from PIL import Image, ImageDraw

from wine_bench import REPO, command_line, log

from harness.launcher import start_docked
from harness.standalone import standalone_session

PAINTED = 2  # seconds after docking: the bar's first painting is over


def make_skin(folder):
    """A green gradient background and 24 rounded red buttons with transparent corners."""
    image = folder / "image"
    image.mkdir()
    background = Image.new("RGB", (83, 1575))
    for y in range(background.height):
        share = y / (background.height - 1)
        ImageDraw.Draw(background).line([(0, y), (82, y)], fill=(0, round(90 + 110 * share), round(120 * share)))
    background.save(image / "bar.jpg")
    button = Image.new("RGBA", (73, 57), (0, 0, 0, 0))
    ImageDraw.Draw(button).rounded_rectangle([2, 2, 70, 54], radius=10, fill=(220, 60, 40, 255))
    button.save(image / "button.png")
    sections = "".join(f"[{number:03d}]\r\nimage=button.png\r\n" for number in range(1, 25))
    (folder / "config.ini").write_bytes(f"[BG1]\r\nimage=bar.jpg\r\n{sections}".encode())


def measure(session, folder, program, what, count):
    if not start_docked(session, folder, program, session.design(folder), retry=True):
        return False
    time.sleep(PAINTED)
    _, answer = session.wine.run(str(session.build / "repaint_probe.exe"), str(count))
    log(f"{what}: {answer.strip()}")
    session.wine.stop_all()
    return bool(answer.strip())


def main(build, count, program):
    with standalone_session(build, REPO / "e2e-artifacts" / "measure" / build.name) as session:
        plain = session.new_folder("repaint-plain")
        skin = session.new_folder("repaint-skin")
        make_skin(skin)
        measured = [measure(session, plain, program, "built-in pictures, no background picture", count),
                    measure(session, skin, program, "background picture and 24 transparent PNG buttons", count)]
    return 0 if all(measured) else 1


if __name__ == "__main__":
    sys.exit(main(*command_line(__doc__, (int, 200), (str, "TarnwickLauncher.exe"))))
