"""The release package: `cmake --build <build> --target package` makes the architecture's zip;
it holds one folder with both programs (stripped, at most 1 MB each), the sample folder ready to
run beside them, the read-me for Windows users and the licence, both with CR LF line ends.
Unpacked into a fresh folder, both programs start from there with the sample skin: the full
edition docks its bar with the sample's button pictures and opens its side panel from the top
button; the LE edition docks its bar too."""
import filecmp
import struct
import subprocess
import time
import zipfile

from PIL import Image, ImageChops, ImageStat

from harness.launcher import bar_window
from harness.log import log
from harness.waiting import wait_until
from harness.wine import REPO

MAX_PROGRAM_BYTES = 1048576
PROGRAMS = ("TarnwickLauncher.exe", "TarnwickLauncherLE.exe")
FILES = (*PROGRAMS, "config.ini", "image/bg1.jpg", "image/btn01.jpg", "docs/readme.txt", "README.txt", "LICENSE.txt")
PICTURE_SECONDS = 5  # the bar paints its pictures once it docks
PANEL_SECONDS = 20  # the panel slides in


def build_package(build):
    """Builds the package target; the new zip, or None."""
    started = time.time()
    built = subprocess.run(["cmake", "--build", str(build), "--target", "package"], capture_output=True, text=True)
    log(built.stdout[-800:] + built.stderr[-800:])
    made = [z for z in build.glob("TarnwickLauncher-*.zip") if z.stat().st_mtime >= started - 1]
    return built.returncode == 0, (made[0] if made else None)


def stripped(program):
    """A stripped program has no symbol table: the COFF header's symbol table pointer and count are 0."""
    data = program.read_bytes()
    header = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<II", data, header + 12) == (0, 0)


def crlf_text(path):
    lines = path.read_bytes().split(b"\n")[:-1]
    return len(lines) > 5 and all(line.endswith(b"\r") for line in lines)


def same_folders(first, second):
    compared = filecmp.dircmp(first, second)
    if compared.left_only or compared.right_only or compared.diff_files or compared.funny_files:
        return False
    files = compared.common_files
    return filecmp.cmpfiles(first, second, files, shallow=False)[0] == files and all(
        same_folders(first / name, second / name) for name in compared.common_dirs)


def distance(display, rect, picture):
    """How far the screen's `rect` is from `picture` (root mean square over the channels, 0..1)."""
    left, top, right, bottom = rect
    with Image.open(picture) as wanted:
        shown = display.grab().crop((left, top, right, bottom)).convert("RGB")
        difference = ImageChops.difference(shown, wanted.convert("RGB").resize(shown.size))
    return (sum(value ** 2 for value in ImageStat.Stat(difference).rms) / 3) ** 0.5 / 255


def check_contents(check, folder, zip_path, unpacked):
    check.equal([p.name for p in unpacked.iterdir()], [zip_path.stem], "the zip holds one folder named after it")
    for name in FILES:
        check.that((folder / name).is_file(), f"the folder holds {name}")
    check.that(same_folders(REPO / "sample" / "image", folder / "image"),
               "the sample folder beside the programs is the bundled one")
    check.that(filecmp.cmp(REPO / "sample" / "config.ini", folder / "config.ini", shallow=False),
               "config.ini is the sample's, byte for byte")
    for program in PROGRAMS:
        size = (folder / program).stat().st_size
        log(f"{program}: {size} bytes")
        check.that(stripped(folder / program), f"{program} is stripped")
        check.that(size <= MAX_PROGRAM_BYTES, f"{program} is at most {MAX_PROGRAM_BYTES} bytes")
    readme = folder / "README.txt"
    check.that(crlf_text(readme), "README.txt has CR LF line ends")
    check.that(b"TarnwickLauncherLE.exe" in readme.read_bytes(), "...and names both programs")
    licence = folder / "LICENSE.txt"
    check.that(licence.read_bytes().startswith(b"MIT License") and crlf_text(licence),
               "LICENSE.txt is the MIT licence with CR LF line ends")


def check_full_edition(session, folder):
    display, check = session.display, session.checks
    design = session.design(folder)
    program = "TarnwickLauncher.exe"
    if not session.start_ready("the full edition starts from the unpacked folder and docks its bar", folder, program,
                               lambda: bar_window(display, program, design)):
        return
    button = design.bar_button(1)
    sample, builtin = folder / "image" / "btn01.jpg", REPO / "assets" / "design" / "main_launch_01.jpg"
    closer = lambda: distance(display, button, sample) < distance(display, button, builtin) / 2  # noqa: E731
    wait_until(closer, PICTURE_SECONDS)
    log(f"button 1 against the sample picture: {distance(display, button, sample):.3f}, "
        f"against the built-in one: {distance(display, button, builtin):.3f}")
    check.that(closer(), "button 1 shows the sample's picture")
    session.screenshot("package-1-bar")
    display.click(*design.centre(design.bar_button(0)))
    left, top, right, bottom = design.panel()["outer"]
    panel = (right - left, bottom - top, left, top)
    check.that(wait_until(lambda: display.find_visible(program, lambda g: g == panel), PANEL_SECONDS),
               "the top button opens the side panel")
    session.screenshot("package-2-side-panel")


def check_le_edition(session, folder):
    program, design = "TarnwickLauncherLE.exe", session.design(folder, "le")
    session.start_ready("the LE edition starts from the unpacked folder and docks its bar", folder, program,
                        lambda: bar_window(session.display, program, design))
    session.screenshot("package-3-le-bar")


def test_package(session, korean):  # the sample's config.ini is in code page 949
    check = session.checks
    built, zip_path = build_package(session.build)
    check.that(built, "the package target builds the zip")
    if not zip_path:
        check.fail(f"a new TarnwickLauncher-*.zip in {session.build}")
        return
    log(f"package: {zip_path}")
    unpacked = session.work / "unpacked"
    with zipfile.ZipFile(zip_path) as archive:
        archive.extractall(unpacked)
    folder = unpacked / zip_path.stem
    check_contents(check, folder, zip_path, unpacked)
    check_full_edition(session, folder)
    session.wine.stop_all()
    check_le_edition(session, folder)
