"""Wine: the shared prefix, starting the programs, stopping them, and the window probe's answers."""
import json
import os
import pathlib
import select
import shutil
import subprocess
import tempfile
import time

from .log import log

REPO = pathlib.Path(__file__).resolve().parents[2]
PREFIX_STAMP = ".tarnwick-e2e-prefix-v2"
PROBE_TIMEOUT = 30  # a probe that does not answer (seen once as Wine started its desktop) is ended
DESKTOP = "shell,{width}x{height}"  # Wine's virtual desktop with a taskbar


def wine_env(display):
    return {
        **display.env(),
        "WINEPREFIX": os.environ.get("E2E_WINEPREFIX", str(REPO / "build" / "wine-prefix")),
        "WINEDEBUG": "-all",
        # No .NET or browser engine is installed into the prefix: nothing here needs them, and
        # the installers would wait for an answer.
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    }


def prepare_prefix(env, fresh=False):
    """Makes the shared prefix once: initialised, with Hangul fonts standing in for the Korean
    system fonts (Wine renders Hangul only with these replacements), and with unmanaged X
    windows: there is no window manager on the virtual display, and Wine would otherwise wait
    two seconds for one whenever it hides a window that had been activated."""
    prefix = pathlib.Path(env["WINEPREFIX"])
    stamp = prefix / PREFIX_STAMP
    if fresh:
        stamp.unlink(missing_ok=True)
    if stamp.exists():
        return
    log(f"creating Wine prefix {prefix}")
    shutil.rmtree(prefix, ignore_errors=True)
    quiet = {"env": env, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    subprocess.run(["wineboot", "--init"], **quiet)
    for font in ("Gulim", "Malgun Gothic"):
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v", font, "/t", "REG_SZ",
                        "/d", "NanumGothic", "/f"], **quiet)
    subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/t", "REG_SZ", "/d", "N",
                    "/f"], **quiet)
    subprocess.run(["wineserver", "-w"], env=env)
    if not (prefix / "system.reg").exists():
        raise RuntimeError(f"wineboot did not create {prefix}")
    stamp.touch()


class Wine:
    def __init__(self, display, build):
        self.display, self.build = display, pathlib.Path(build)
        self.env = wine_env(display)
        self._probe_windows_path = None

    def stop_all(self):
        """Ends every program of the prefix and waits until they are gone."""
        subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL)

    def start(self, folder, program, *arguments, on_desktop=False):
        """Starts `program` from `folder` in the background (on Wine's desktop with a taskbar)."""
        command = ["wine", program, *arguments]
        if on_desktop:
            command = ["wine", "explorer", "/desktop=" + self.desktop(), program, *arguments]
        return subprocess.Popen(command, cwd=folder, env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)

    def desktop(self):
        return DESKTOP.format(width=self.display.width, height=self.display.height)

    def run(self, program, *arguments, timeout=PROBE_TIMEOUT, cwd=None):
        """Runs a program to its end; (exit code, standard output), exit code None on timeout.
        The output goes to a file, not a pipe: a Wine program may start the wineserver or a
        desktop process, which inherit its output and outlive it, and a pipe would stay open."""
        with tempfile.TemporaryFile() as output:
            process = subprocess.Popen(["wine", program, *arguments], env=self.env, cwd=cwd, stdout=output,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
            try:
                code = process.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                log(f"{program} did not answer within {timeout} s")
                return None, ""
            output.seek(0)
            return code, output.read().decode("utf-8", "replace").replace("\r", "")

    def probe(self, *arguments, on_desktop=False):
        """The window probe's JSON answer (see win_tools/window_probe.cpp), None when it gave none."""
        probe = str(self.build / "window_probe.exe")
        command = ["wine", probe, *arguments]
        if on_desktop:
            command = ["wine", "explorer", "/desktop=" + self.desktop(), self.probe_windows_path(), *arguments]
        return self.read_json(command)

    def probe_windows_path(self):
        """The window probe's path as Windows programs see it (asked of Wine once)."""
        if self._probe_windows_path is None:
            self._probe_windows_path = self.windows_path(self.build / "window_probe.exe")
        return self._probe_windows_path

    def windows_path(self, path):
        """`path` as Windows programs see it."""
        return self.run("winepath", "-w", str(path))[1].strip()

    def read_json(self, command, timeout=PROBE_TIMEOUT):
        """Runs `command` and reads its standard output until it holds one whole JSON document.
        Read from a pipe up to the document's end, not to the pipe's end: a program started on
        Wine's desktop outlives the `wine` that started it, and the wineserver or the desktop
        may keep the pipe open."""
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        deadline = time.monotonic() + timeout
        text = b""
        try:
            while time.monotonic() < deadline:
                ready, _, _ = select.select([process.stdout], [], [], 0.1)
                chunk = os.read(process.stdout.fileno(), 65536) if ready else b""
                text += chunk
                try:
                    return json.loads(text.decode("utf-8", "replace"))
                except json.JSONDecodeError:
                    pass
                if ready and not chunk:  # the pipe's end, and no whole document
                    break
            log(f"the window probe gave no JSON answer: {text[:200]!r}")
            return None
        finally:
            process.stdout.close()
            if process.poll() is None:
                process.kill()
            process.wait()

    def windows(self, program=None, on_desktop=False):
        """The system's top-level windows (of `program`, visible or not; else every visible one)."""
        answer = self.probe(*([program] if program else []), on_desktop=on_desktop)
        return answer["windows"] if answer else []

    def processes(self):
        answer = self.probe("--processes")
        return answer["processes"] if answer else []

    def program_count(self, folder, program):
        """How many copies of `program` started from `folder` run, as the system sees it (the
        Unix command lines of 32-bit and 64-bit Wine processes differ, their Windows paths not)."""
        want = f"/{pathlib.Path(folder).name}/{program}".lower()
        return sum(1 for path in self.processes() if path.replace("\\", "/").lower().endswith(want))

    def window_state(self, handle):
        return self.probe("--state", handle)

    def act_on_window(self, action, handle, *arguments):
        """Has the window probe do `action` (--hide, --minimise, --place, --activate) to the
        window `handle`, as another program could; the probe's exit code (0: done)."""
        return self.run(str(self.build / "window_probe.exe"), action, handle, *arguments)[0]
