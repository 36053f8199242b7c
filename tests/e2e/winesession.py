"""Runs Windows programs under wine64 on a private Xvfb and reports what they show.

One WineSession owns an Xvfb server, a fresh Wine prefix with a virtual desktop, and the programs
it launches. Facts about windows come from our Win32 probe (build/<target>/probe.exe); pixels come
from the X server; input goes through xdotool. Every wait polls a condition against a deadline.

    with WineSession.start(paths) as session:
        game = session.launch(session.paths.programs / "Launcher.exe", desktop=(1024, 768))
        window = game.window()
        session.click(*window.client_point(20, 30))
        assert game.wait_exit(5) == 0
"""

from __future__ import annotations

import functools
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
from dataclasses import dataclass
from pathlib import Path, PurePosixPath, PureWindowsPath
from typing import Callable, Iterable, TypeVar

WINE64 = Path("/usr/lib/wine/wine64")
WINESERVER = Path("/usr/lib/wine/wineserver64")
WINE_FONTS = Path("/usr/share/wine/fonts")
CJK_FONT = Path("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc")
CJK_FONT_FACE = "WenQuanYi Micro Hei"

# Used when a test names no language: UTF-8 for the arguments Wine converts, and always present.
DEFAULT_LANG = "C.UTF-8"
DEFAULT_DESKTOP = (1024, 768)
POLL_INTERVAL = 0.02

T = TypeVar("T")


class WaitTimeout(AssertionError):
    """A condition a test waited for did not come true in time."""


class HarnessError(RuntimeError):
    """The harness itself could not do its job (a tool failed, a file is missing)."""


def wait_until(condition: Callable[[], T], timeout: float, what: str) -> T:
    """Polls `condition` until it returns something truthy, and returns that; raises WaitTimeout."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(POLL_INTERVAL)


@dataclass(frozen=True)
class Paths:
    """Where the harness finds the Windows programs and keeps its own files."""

    programs: Path  # the Windows build folder: probe.exe, exit_with.exe, Launcher.exe
    work: Path  # build/e2e: the prefix, artifacts and logs

    @property
    def probe(self) -> Path:
        return self.programs / "probe.exe"

    @property
    def prefix(self) -> Path:
        return self.work / "wineprefix"

    @property
    def artifacts(self) -> Path:
        return self.work / "artifacts"


@dataclass(frozen=True)
class Rect:
    left: int
    top: int
    right: int
    bottom: int

    @classmethod
    def from_json(cls, facts: dict) -> Rect:
        return cls(facts["left"], facts["top"], facts["right"], facts["bottom"])

    @property
    def width(self) -> int:
        return self.right - self.left

    @property
    def height(self) -> int:
        return self.bottom - self.top

    @property
    def size(self) -> tuple[int, int]:
        return (self.width, self.height)


@dataclass(frozen=True)
class Window:
    """What the probe reported about a top-level window; `facts` holds the full JSON."""

    facts: dict

    def __getitem__(self, key: str):
        return self.facts[key]

    @property
    def caption(self) -> str:
        return self.facts["caption"]

    @property
    def rect(self) -> Rect:
        return Rect.from_json(self.facts["window_rect"])

    @property
    def client_rect(self) -> Rect:
        """The client area in Windows screen coordinates."""
        return Rect.from_json(self.facts["client_rect"])

    def client_point(self, x: int, y: int) -> tuple[int, int]:
        """Screen coordinates of a point given relative to the client area."""
        return (self.client_rect.left + x, self.client_rect.top + y)

    @property
    def children(self) -> list[dict]:
        return self.facts["children"]

    def child(self, control_id: int) -> dict:
        matches = [c for c in self.children if c["id"] == control_id]
        if len(matches) != 1:
            raise AssertionError(f"expected one child with id {control_id}, found {len(matches)}")
        return matches[0]


@dataclass(frozen=True)
class XIcon:
    """One image of a window's _NET_WM_ICON: what Wine hands the X side for the window's icon."""

    width: int
    height: int
    argb: tuple[int, ...]  # row-major 0xAARRGGBB


class Program:
    """A Windows program started through `probe run`, which reports its full 32-bit exit code.

    The probe prints a "started" line, then one final report. Its standard output is read up to
    that report and no further: Wine service processes the probe may have started inherit the
    pipe, so it does not close when the probe ends."""

    def __init__(self, session: WineSession, command: list[str], env: dict, log_path: Path):
        self._session = session
        self.command = command
        self.log_path = log_path
        self._started = threading.Event()
        self._finished = threading.Event()
        self._report: dict = {}
        self._ended_at: float | None = None
        self.pid: int | None = None
        with open(log_path, "ab") as log:
            self._process = subprocess.Popen(
                command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=log, env=env
            )
        self._reader = threading.Thread(target=self._read_reports, daemon=True)
        self._reader.start()
        wait_until(lambda: self._started.is_set() or self._finished.is_set() or self._process.poll() is not None,
                   30, f"{command[-1]} to start")
        if not self._started.wait(1):
            raise HarnessError(f"could not start {command}: {self._report or 'no report'}; see {log_path}")

    def _read_reports(self) -> None:
        for line in self._process.stdout:
            if not line.startswith(b"{"):
                continue
            report = json.loads(line)
            if report.get("event") == "started":
                self.pid = report["pid"]
                self._started.set()
                continue
            self._report = report
            self._ended_at = time.time()
            self._finished.set()
            return

    @property
    def running(self) -> bool:
        return not self._finished.is_set() and self._process.poll() is None

    @property
    def exit_code(self) -> int | None:
        """The unsigned 32-bit exit code once the program has ended, else None."""
        return self._report.get("exit_code") if self._finished.is_set() else None

    @property
    def exit_code_signed(self) -> int | None:
        return self._report.get("exit_code_signed") if self._finished.is_set() else None

    @property
    def elapsed_ms(self) -> int | None:
        """From CreateProcessW to the end of the program, as the probe measured it."""
        return self._report.get("elapsed_ms") if self._finished.is_set() else None

    @property
    def ended_at(self) -> float | None:
        """When the harness learnt that the program had ended, by time.time(): the clock Windows
        programs under Wine read as the system time, so it compares with times they record."""
        return self._ended_at if self._finished.is_set() else None

    def wait_exit(self, timeout: float = 10) -> int:
        """The unsigned 32-bit exit code, once the program has ended."""
        what = f"{self.command[-1]} to end"
        wait_until(lambda: self._finished.is_set() or self._process.poll() is not None, timeout, what)
        # The probe may have ended a moment before its last line was read.
        if not self._finished.wait(1) or "exit_code" not in self._report:
            raise HarnessError(f"no exit code for {self.command}: {self._report}; see {self.log_path}")
        return self._report["exit_code"]

    def window(self, title: str | None = None, timeout: float = 10) -> Window:
        """The program's window with that caption, or else its visible unowned top-level window."""

        def find() -> Window | None:
            if not self.running:
                raise AssertionError(f"program ended with exit code {self.exit_code} before its window appeared")
            query = ["--title", title, "--visible"] if title is not None else ["--pid", str(self.pid)]
            facts = self._session.probe("window", *query, "--wait", "300", check=False)
            return Window(facts) if "error" not in facts else None

        return wait_until(find, timeout, f"a window of {self.command[-1]}" + (f" titled {title!r}" if title else ""))

    def close(self) -> None:
        """Ends the probe process if it is still there (its program ends with the wineserver)."""
        if self._process.poll() is None:
            self._process.kill()
        self._process.wait()


class WineSession:
    """An Xvfb server, a Wine prefix and the programs run in it; close() leaves nothing running."""

    def __init__(self, paths: Paths, screen: tuple[int, int] = (2000, 1200)):
        self.paths = paths
        self.screen = screen
        self._xvfb: subprocess.Popen | None = None
        self.display: str | None = None
        self._x = None  # python-xlib connection
        self._desktop: tuple[int, int] | None = None
        self._programs: list[Program] = []
        self._timings: dict[str, float] = {}

    # ----- life cycle -------------------------------------------------------------------------

    @classmethod
    def start(cls, paths: Paths, screen: tuple[int, int] = (2000, 1200)) -> WineSession:
        session = cls(paths, screen)
        try:
            session._start()
        except BaseException:
            session.close()
            raise
        return session

    def __enter__(self) -> WineSession:
        return self

    def __exit__(self, *exc) -> None:
        self.close()

    def _start(self) -> None:
        self.paths.work.mkdir(parents=True, exist_ok=True)
        shutil.rmtree(self.paths.artifacts, ignore_errors=True)
        self.paths.artifacts.mkdir(parents=True)
        self._stop_leftovers()
        self._start_xvfb()
        started = time.monotonic()
        self._create_prefix()
        self._timings["prefix_creation_s"] = time.monotonic() - started

    def close(self) -> None:
        """Ends every Wine process of the prefix and the Xvfb server; safe to call more than once."""
        if self.paths.prefix.exists():
            self._stop_wineserver()
        for program in self._programs:
            program.close()
        self._programs.clear()
        if self._x is not None:
            self._x.close()
            self._x = None
        if self._xvfb is not None:
            self._xvfb.terminate()
            try:
                self._xvfb.wait(5)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
                self._xvfb.wait()
            self._xvfb = None
            (self.paths.work / "xvfb.pid").unlink(missing_ok=True)

    @property
    def timings(self) -> dict[str, float]:
        return dict(self._timings)

    def _stop_leftovers(self) -> None:
        """Ends what a killed earlier run left behind: its wineserver and its Xvfb, by pid."""
        if self.paths.prefix.exists():
            self._stop_wineserver()
        pid_file = self.paths.work / "xvfb.pid"
        if pid_file.exists():
            pid = int(pid_file.read_text() or 0)
            try:
                cmdline = Path(f"/proc/{pid}/cmdline").read_bytes()
            except OSError:
                cmdline = b""
            if pid and cmdline.startswith(b"Xvfb\0"):
                os.kill(pid, signal.SIGTERM)
            pid_file.unlink()

    def _start_xvfb(self) -> None:
        read_end, write_end = os.pipe()
        width, height = self.screen
        with open(self.paths.artifacts / "xvfb.log", "wb") as log:
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log,
            )
        os.close(write_end)
        (self.paths.work / "xvfb.pid").write_text(str(self._xvfb.pid))
        try:
            number = _read_line(read_end, timeout=15)
        finally:
            os.close(read_end)
        if not number.isdigit():
            raise HarnessError(f"Xvfb did not report a display; see {self.paths.artifacts / 'xvfb.log'}")
        self.display = f":{number}"

        from Xlib import X, display as xdisplay

        self._x = xdisplay.Display(self.display)
        formats = {f.depth: f.bits_per_pixel for f in self._x.display.info.pixmap_formats}
        if formats.get(24) != 32 or self._x.display.info.image_byte_order != X.LSBFirst:
            raise HarnessError("pixel reads expect 24-bit colour in 32-bit little-endian pixels")

    # ----- the prefix and the desktop ----------------------------------------------------------

    def env(self, lang: str | None = None) -> dict[str, str]:
        """The environment for a Wine process; `lang` is a glibc locale such as zh_CN.UTF-8."""
        lang = lang or DEFAULT_LANG
        if lang != DEFAULT_LANG and not locale_available(lang):
            raise HarnessError(f"locale {lang} is not generated; run tools/bootstrap")
        env = {k: v for k, v in os.environ.items() if not k.startswith(("LC_", "LANG", "WINE"))}
        env.update(
            DISPLAY=self.display or "",
            LANG=lang,
            WINEPREFIX=str(self.paths.prefix),
            WINEDEBUG="-all",
            # No add-on installer prompts, and no menu entries written into $HOME.
            WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
        )
        return env

    def _wine(self, *args: str, timeout: float = 60, lang: str | None = None) -> subprocess.CompletedProcess:
        """Runs a Wine program to its end. Output goes through files, not pipes: the first Wine
        process of a session starts the wineserver and service processes, which inherit its
        standard handles and keep a pipe open long after the program has ended."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.Popen(
                [str(WINE64), *args], env=self.env(lang), stdin=subprocess.DEVNULL, stdout=out, stderr=err
            )
            try:
                process.wait(timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                raise
            out.seek(0)
            err.seek(0)
            return subprocess.CompletedProcess(process.args, process.returncode, out.read(), err.read())

    def _stop_wineserver(self) -> None:
        env = self.env()
        subprocess.run([str(WINESERVER), "-k"], env=env, capture_output=True, check=False)
        subprocess.run([str(WINESERVER), "-w"], env=env, capture_output=True, check=False, timeout=30)

    def _create_prefix(self) -> None:
        shutil.rmtree(self.paths.prefix, ignore_errors=True)
        boot = self._wine("wineboot", "-i", timeout=120)
        if boot.returncode != 0:
            raise HarnessError(f"wineboot -i failed: {boot.stderr.decode(errors='replace')}")
        self._install_fonts()
        settings = self.paths.work / "session.reg"
        settings.write_text(_registry_settings(DEFAULT_DESKTOP), encoding="utf-16")
        imported = self._wine("reg", "import", windows_path_of(settings))
        if imported.returncode != 0:
            raise HarnessError(f"reg import failed: {imported.stderr.decode(errors='replace')}")
        self._stop_wineserver()
        self._desktop = DEFAULT_DESKTOP

    def _install_fonts(self) -> None:
        """Puts Wine's own fonts (Tahoma, Marlett: captions and caption buttons) and the CJK font
        where this Wine looks, the prefix's Fonts folder; Debian's Wine does not load them itself."""
        fonts = self.paths.prefix / "drive_c" / "windows" / "Fonts"
        fonts.mkdir(parents=True, exist_ok=True)
        for font in [*sorted(WINE_FONTS.iterdir()), CJK_FONT]:
            target = fonts / font.name
            if not target.exists():
                target.symlink_to(font)

    def set_desktop(self, size: tuple[int, int]) -> None:
        """Makes the virtual desktop `size` big. A new size restarts the wineserver, which ends
        every program still running in this session."""
        size = (int(size[0]), int(size[1]))
        if size == self._desktop:
            return
        if size[0] > self.screen[0] or size[1] > self.screen[1]:
            raise HarnessError(f"desktop {size} does not fit the X screen {self.screen}")
        started = time.monotonic()
        self._stop_wineserver()
        _replace_desktop_size(self.paths.prefix / "user.reg", size)
        self._desktop = size
        self._timings["desktop_change_s"] = time.monotonic() - started

    @property
    def desktop(self) -> tuple[int, int] | None:
        return self._desktop

    def restart(self) -> None:
        """Ends every program of the session; the next one starts a fresh desktop."""
        self._stop_wineserver()

    # ----- running programs --------------------------------------------------------------------

    def probe(self, *args: str, lang: str | None = None, check: bool = True, timeout: float = 60) -> dict:
        """Runs `probe.exe ARGS` and returns its JSON report; with check, a reported error raises.

        While a program started with another `lang` may still be starting, give the probe that
        `lang` too: a process whose code page differs from the last one makes Wine rewrite the
        prefix's font settings for its own, and a program reading them meanwhile can end up with
        no Chinese glyphs (every character drawn as a box)."""
        # Now and then a Wine process ends without running the probe at all (no output, no error);
        # every probe command can safely run again then, since none of it happened.
        for _attempt in range(3):
            result = self._wine(str(self.paths.probe), *args, timeout=timeout, lang=lang)
            lines = [line for line in result.stdout.decode("utf-8").splitlines() if line.startswith("{")]
            if lines or result.stderr.strip():
                break
        if not lines:
            raise HarnessError(f"probe {' '.join(args)} printed no report: {result.stderr.decode(errors='replace')}")
        report = json.loads(lines[-1])
        if report.get("error") == "usage" or (check and "error" in report):
            raise AssertionError(f"probe {' '.join(args)}: {report}")
        return report

    def launch(
        self,
        program: Path | PureWindowsPath | str,
        *args: str,
        desktop: tuple[int, int] | None = None,
        lang: str | None = None,
        cwd: Path | PureWindowsPath | str | None = None,
    ) -> Program:
        """Starts a Windows program in the background on a desktop of the given size, and returns
        once it has been created. `program` is a Unix path, a Windows path inside the prefix, or
        a bare file name, which Windows looks up beside probe.exe first."""
        self.set_desktop(desktop or self._desktop or DEFAULT_DESKTOP)
        command = [str(WINE64), str(self.paths.probe), "run"]
        if cwd is not None:
            command += ["--cwd", _as_windows_path(cwd)]
        command += ["--", _as_windows_path(program), *args]
        program_handle = Program(self, command, self.env(lang), self.paths.artifacts / "programs.log")
        self._programs.append(program_handle)
        return program_handle

    def run(self, program, *args: str, timeout: float = 30, **launch_options) -> Program:
        """Launches a program and waits for it to end."""
        handle = self.launch(program, *args, **launch_options)
        handle.wait_exit(timeout)
        return handle

    @property
    def running_programs(self) -> list[Program]:
        return [p for p in self._programs if p.running]

    def install_game(self, folder: str | PureWindowsPath, *files: Path | tuple[Path, str]) -> PureWindowsPath:
        """Copies files into a Windows folder of the prefix (created as needed, e.g.
        C:\\games\\Vaskoran 测试) and returns that folder's Windows path. A (source, name) pair
        installs the file under another name."""
        folder = PureWindowsPath(folder)
        target = self.unix_path(folder)
        target.mkdir(parents=True, exist_ok=True)
        for file in files:
            source, name = file if isinstance(file, tuple) else (file, file.name)
            shutil.copy2(source, target / name)
        return folder

    def unix_path(self, windows_path: str | PureWindowsPath) -> Path:
        path = PureWindowsPath(windows_path)
        drive = path.drive.upper()
        rest = path.parts[1:]
        if drive == "C:":
            return self.paths.prefix.joinpath("drive_c", *rest)
        if drive == "Z:":
            return Path("/").joinpath(*rest)
        raise HarnessError(f"no Unix path for {path}: only C: and Z: are mapped")

    # ----- windows, through the probe ----------------------------------------------------------

    def window(self, title: str, timeout: float = 10, lang: str | None = None) -> Window:
        """The visible top-level window with that caption, waiting for it to appear."""
        args = ["window", "--title", title, "--visible", "--wait", str(int(timeout * 1000))]
        facts = self.probe(*args, lang=lang, check=False)
        if "error" in facts:
            raise WaitTimeout(f"no visible window titled {title!r} within {timeout:g} s")
        return Window(facts)

    def wait_gone(self, title: str, timeout: float = 10) -> None:
        """Waits until no visible top-level window has that caption."""
        args = ["wait-gone", "--title", title, "--visible", "--timeout", str(int(timeout * 1000))]
        if not self.probe(*args, check=False).get("gone"):
            raise WaitTimeout(f"window titled {title!r} still visible after {timeout:g} s")

    def dialog(self, title: str, timeout: float = 10, press: int | None = None, lang: str | None = None) -> dict:
        """Reads a dialog (text, buttons, icon) by caption; `press` clicks the button with that id."""
        args = ["dialog", "--title", title, "--wait", str(int(timeout * 1000))]
        if press is not None:
            args += ["--press", str(press)]
        report = self.probe(*args, lang=lang, check=False)
        if "error" in report:
            raise WaitTimeout(f"no dialog titled {title!r} within {timeout:g} s: {report['error']}")
        return report

    def post_close(self, title: str) -> None:
        self.probe("post-close", "--title", title)

    def metrics(self) -> dict:
        return self.probe("metrics")

    # ----- the X side: pixels, screenshots, input ----------------------------------------------

    def _desktop_x_window(self):
        """The X window of Wine's virtual desktop; Windows screen coordinates start at its origin."""
        for child in self._x.screen().root.query_tree().children:
            if (_x_window_title(self._x, child) or "").endswith("Wine desktop"):
                return child
        raise HarnessError("no Wine desktop window on the X screen: it lives only while a program runs")

    def desktop_origin(self) -> tuple[int, int]:
        root = self._x.screen().root
        origin = self._desktop_x_window().translate_coords(root, 0, 0)
        return (-origin.x, -origin.y)

    def desktop_x_size(self) -> tuple[int, int]:
        geometry = self._desktop_x_window().get_geometry()
        return (geometry.width, geometry.height)

    def _to_x(self, x: int, y: int) -> tuple[int, int]:
        origin_x, origin_y = self.desktop_origin()
        return (origin_x + x, origin_y + y)

    def grab(self, left: int, top: int, width: int, height: int):
        """An RGB PIL image of a rectangle given in Windows screen coordinates."""
        from PIL import Image
        from Xlib import X

        x, y = self._to_x(left, top)
        reply = self._x.screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        return Image.frombytes("RGB", (width, height), reply.data, "raw", "BGRX")

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        """The colour at Windows screen coordinates (x, y)."""
        return self.grab(x, y, 1, 1).getpixel((0, 0))

    def screenshot(self, name: str) -> Path:
        """Saves the whole desktop as artifacts/<name>.png and prints the path."""
        width, height = self.desktop_x_size()
        path = self.paths.artifacts / (re.sub(r"[^\w.-]+", "_", name) + ".png")
        self.grab(0, 0, width, height).save(path)
        print(f"screenshot: {path}", file=sys.stderr)
        return path

    def x_window_titles(self) -> list[str]:
        """The names of the windows shown on the desktop, as the X side (and so a taskbar) sees
        them: one for each visible top-level window."""
        from Xlib import X

        return [
            _x_window_title(self._x, child) or ""
            for child in self._desktop_x_window().query_tree().children
            if child.get_attributes().map_state == X.IsViewable
        ]

    def x_icons(self, title: str) -> list[XIcon]:
        """The icon images Wine gave the X window of a top-level window (its _NET_WM_ICON).
        Under Wine the probe cannot read another process's icons, so icon checks go through here."""
        wm_icon = self._x.intern_atom("_NET_WM_ICON")
        for child in self._desktop_x_window().query_tree().children:
            if _x_window_title(self._x, child) != title:
                continue
            prop = child.get_full_property(wm_icon, 0)
            values = list(prop.value) if prop is not None else []
            icons, i = [], 0
            while i + 2 <= len(values):
                width, height = values[i], values[i + 1]
                pixels = tuple(v & 0xFFFFFFFF for v in values[i + 2 : i + 2 + width * height])
                if len(pixels) != width * height:
                    break
                icons.append(XIcon(width, height, pixels))
                i += 2 + width * height
            return icons
        raise HarnessError(f"no X window titled {title!r}")

    def _xdotool(self, *args: str) -> None:
        subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": self.display}, check=True, timeout=10)

    def _pointer_to(self, x: int, y: int) -> list[str]:
        """xdotool words that move the pointer to (x, y) and wait until it is there. None when it
        is there already: `mousemove --sync` to the pointer's own position waits forever."""
        target = self._to_x(x, y)
        pointer = self._x.screen().root.query_pointer()
        if (pointer.root_x, pointer.root_y) == target:
            return []
        return ["mousemove", "--sync", *map(str, target)]

    def move(self, x: int, y: int) -> None:
        words = self._pointer_to(x, y)
        if words:
            self._xdotool(*words)

    def click(self, x: int, y: int, button: int = 1, count: int = 1) -> None:
        """Clicks `count` times in a row, fast enough for Windows to see a double-click at 2."""
        repeat = ["--repeat", str(count), "--delay", "50"] if count > 1 else []
        self._xdotool(*self._pointer_to(x, y), "click", *repeat, str(button))

    def mouse_down(self, x: int, y: int, button: int = 1) -> None:
        self._xdotool(*self._pointer_to(x, y), "mousedown", str(button))

    def mouse_up(self, x: int, y: int, button: int = 1) -> None:
        self._xdotool(*self._pointer_to(x, y), "mouseup", str(button))

    def key_down(self, *keys: str) -> None:
        """Holds keys down (xdotool names: ctrl, shift, alt) until key_up."""
        self._xdotool("keydown", *keys)

    def key_up(self, *keys: str) -> None:
        self._xdotool("keyup", *keys)

    def key(self, *keys: str) -> None:
        """Sends key presses (xdotool names: Escape, Return, alt+F4) to the active window."""
        self._xdotool("key", *keys)

    wait_until = staticmethod(wait_until)


def _read_line(fd: int, timeout: float) -> str:
    """Reads up to a newline. Xvfb writes the display number and the newline separately and
    dies if the pipe is closed in between, so stopping early is not an option."""
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(fd, 64) if ready else b""
        if not chunk:
            break
        data += chunk
    return data.decode(errors="replace").strip()


@functools.cache
def locale_available(lang: str) -> bool:
    """Whether glibc has the locale; Wine falls back to en-US (and a non-UTF-8 code page) without it."""
    wanted = lang.lower().replace("utf-8", "utf8")
    names = subprocess.run(["locale", "-a"], capture_output=True, text=True, check=False).stdout.split()
    return wanted in (n.lower() for n in names)


def windows_path_of(unix_path: Path) -> str:
    """The Z: drive path Wine gives a Unix path."""
    return "Z:" + str(PurePosixPath(unix_path.resolve())).replace("/", "\\")


def _as_windows_path(path: Path | PureWindowsPath | str) -> str:
    if isinstance(path, PureWindowsPath):
        return str(path)
    if isinstance(path, Path):
        return windows_path_of(path)
    return path  # already Windows syntax, or a bare program name to look up


def _x_window_title(x, window) -> str | None:
    prop = window.get_full_property(x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING"))
    if prop is None:
        return None
    value = prop.value
    return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)


def _reg_multi_sz(strings: Iterable[str]) -> str:
    data = "".join(s + "\0" for s in strings) + "\0"
    return "hex(7):" + ",".join(f"{b:02x}" for b in data.encode("utf-16-le"))


def _registry_settings(desktop: tuple[int, int]) -> str:
    """The prefix's settings: a virtual desktop, and the CJK font linked behind Wine's UI fonts
    and standing in for the Chinese faces programs ask for by name."""
    link = _reg_multi_sz([f"{CJK_FONT.name},{CJK_FONT_FACE}"])
    linked_faces = ["Tahoma", "Tahoma Bold", "Microsoft Sans Serif", "MS Sans Serif", "Lucida Sans Unicode"]
    substituted_faces = ["SimSun", "NSimSun", "SimHei", "Microsoft YaHei", "Microsoft YaHei UI", "宋体", "新宋体", "黑体", "微软雅黑"]
    lines = [
        "Windows Registry Editor Version 5.00",
        "",
        r"[HKEY_CURRENT_USER\Software\Wine\Explorer]",
        '"Desktop"="Default"',
        "",
        r"[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]",
        f'"Default"="{desktop[0]}x{desktop[1]}"',
        "",
        r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]",
        *(f'"{face}"={link}' for face in linked_faces),
        "",
        r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]",
        *(f'"{face}"="{CJK_FONT_FACE}"' for face in substituted_faces),
        "",
    ]
    return "\r\n".join(lines)


def _replace_desktop_size(user_reg: Path, size: tuple[int, int]) -> None:
    """Rewrites the desktop size in the prefix's saved registry while no wineserver runs. This
    saves starting Wine just to run reg.exe, which would also create the old-size desktop."""
    text = user_reg.read_text(encoding="latin-1")  # Wine writes ASCII with escapes
    section = text.find("[Software\\\\Wine\\\\Explorer\\\\Desktops]")
    if section < 0:
        raise HarnessError(f"{user_reg} has no desktop settings")
    end = text.find("\n[", section)
    end = len(text) if end < 0 else end
    block, count = re.subn(r'^"Default"="[^"]*"$', f'"Default"="{size[0]}x{size[1]}"', text[section:end], flags=re.M)
    if count != 1:
        raise HarnessError(f"{user_reg}: no desktop size to replace")
    user_reg.write_text(text[:section] + block + text[end:], encoding="latin-1")
