"""tarnwick-skin.exe, the Windows console build of the skin tools, under Wine, read through its
JSON reports:
 - check of the sample folder: exit 0, nothing that would fail over as many lookups as the
   native tool makes, the panel's section found (its name holds "™", so this also proves the
   code page 949 conversion of the Windows build);
 - check of a broken copy: exit 1 and the fault named; a folder without config.ini: exit 2;
 - preview of the sample with the panel: a PNG equal, pixel for pixel, to the native tool's."""
import json
import shutil
import subprocess

from PIL import Image, ImageChops

from conftest import require_programs
from harness.log import log
from harness.wine import REPO

TOOL = "tarnwick-skin.exe"
PANEL_SECTION_LINK = "[Tarnwick™] PUrl1"


def check_report(session, folder, name):
    """The Windows tool's exit code and JSON report for `folder`; the report is kept beside the
    screenshots as skin_check_<name>.json."""
    wine = session.wine
    code, output = wine.run(str(session.build / TOOL), "check", wine.windows_path(folder), "--json")
    (session.artifacts / f"skin_check_{name}.json").write_text(output)
    try:
        return code, json.loads(output)
    except json.JSONDecodeError:
        log(f"the check of {name} gave no JSON report: {output[:300]!r}")
        return code, {"findings": []}


def native_report(session, folder):
    done = subprocess.run([str(session.skin_tool), "check", str(folder), "--json"], capture_output=True, text=True)
    return json.loads(done.stdout)


def differing_pixels(first, second):
    with Image.open(first) as a, Image.open(second) as b:
        if a.size != b.size:
            return f"sizes {a.size} and {b.size}"
        difference = ImageChops.difference(a.convert("RGBA"), b.convert("RGBA"))
        return sum(1 for pixel in difference.getdata() if any(pixel))


def test_skin_tool(session):
    require_programs(session.build, TOOL)
    wine, check = session.wine, session.checks
    sample = REPO / "sample"

    code, report = check_report(session, sample, "sample")
    check.equal(code, 0, f"check of the sample exits 0 (got {code})")
    native = native_report(session, sample)
    log(f"summary: {report.get('summary')!r}; the native tool's: {native['summary']!r}")
    check.that(report.get("errors") == 0 and report.get("warnings") == 0 and report.get("lookups") == native["lookups"]
               and report.get("summary", "").endswith("Nothing would fail."), "the summary says nothing would fail")
    check.that(any(f["setting"] == PANEL_SECTION_LINK and f["value"] == "docs" and f["message"].startswith("shows the folder docs")
                   for f in report["findings"]), "the panel's section is found through code page 949")

    broken = session.work / "broken"
    shutil.copytree(sample, broken)
    config = broken / "config.ini"
    config.write_bytes(config.read_bytes().replace(b"\nimage=btn03.jpg", b"\nimage=missing.jpg"))
    code, report = check_report(session, broken, "broken")
    check.equal(code, 1, f"check of a broken folder exits 1 (got {code})")
    check.that(any("image\\missing.jpg does not exist" in f["message"] for f in report["findings"]),
               "the missing picture is named")

    empty = session.work / "empty"
    empty.mkdir()
    code, report = check_report(session, empty, "empty")
    check.equal(code, 2, f"a folder without config.ini exits 2 (got {code})")
    check.that((report.get("problem") or "").startswith("config.ini is missing"), "and says why")

    preview = session.artifacts / "skin_preview.png"
    preview.unlink(missing_ok=True)
    code, _ = wine.run(str(session.build / TOOL), "preview", wine.windows_path(sample), "--panel",
                       "-o", wine.windows_path(preview))
    check.equal(code, 0, f"preview exits 0 (got {code})")
    native_preview = session.work / "native.png"
    subprocess.run([str(session.skin_tool), "preview", str(sample), "--panel", "-o", str(native_preview)],
                   stdout=subprocess.DEVNULL, check=True)
    differing = differing_pixels(preview, native_preview) if preview.is_file() else "no preview written"
    check.equal(differing, 0, f"the Windows preview equals the native one (pixels differing: {differing})")
