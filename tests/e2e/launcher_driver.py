"""Drives the real launcher for the tests of its button and its actions: installs it in a folder of
the Wine prefix with our test game beside it as Game.exe, starts it, tells which button picture
shows, and reads back what the test game and the browser recorder wrote down.

The test game (tests/e2e/programs/test_game.cpp) appends one JSON line per event to
<stem>-report.jsonl beside itself, behaves as <stem>-mode.txt says, and ends once <stem>-end
exists; <stem> is its own path without ".exe", so a decoy copy elsewhere keeps its own files.
"""

from __future__ import annotations

import json
import shutil
import subprocess
import time
from pathlib import Path, PureWindowsPath
from typing import Callable

import numpy as np
from PIL import Image

from winesession import DEFAULT_DESKTOP, WINE64, WaitTimeout, WineSession, wait_until

REPO = Path(__file__).resolve().parents[2]
ARTWORK = REPO / "src" / "resources" / "artwork"
BROWSER_RECORDER = Path(__file__).resolve().parent / "browser_recorder"

CAPTION = "Vaskoran2.0"
BUTTON_ID, HOT_SPOT_ID = 110, 100
# (left, top, width, height) in client coordinates
BUTTON_RECT = (456, 384, 176, 64)
HOT_SPOT_RECT = (16, 392, 200, 56)

# Client points, and one screen point of the desktop well away from the launcher's window.
ON_BUTTON = (544, 416)
BESIDE_BUTTON = (440, 416)
BACKGROUND = (300, 200)
OUTSIDE_WINDOW = (1000, 30)

JPEG_TOLERANCE = 3  # per channel, between the screen and our own decode of a JPEG
WAIT = 5  # seconds for anything that should happen at once
# How long a check that something does NOT happen watches for it: longer than the launcher takes
# to start a game (~0.1 s) or to get the browser recorder run (~0.4 s at worst seen).
QUIET_PERIOD = 1.5

STUDIO_PAGE = "http://www.tollmere.com/"
MISSING_GAME_CAPTION = "错误"
FATAL_EXIT_CODE = 0xFFFFFFFF


def picture(name: str) -> np.ndarray:
    return np.asarray(Image.open(ARTWORK / name).convert("RGB"), dtype=np.int16)


def region(pixels: np.ndarray, rect: tuple[int, int, int, int]) -> np.ndarray:
    left, top, width, height = rect
    return pixels[top : top + height, left : left + width]


def worst_difference(a: np.ndarray, b: np.ndarray) -> int:
    return int(np.abs(a - b).max())


# The button's pictures are wider (182) than the button (176): what shows is their left part.
BUTTON_PICTURES = {
    state: region(picture(f"button_{state}.jpg"), (0, 0, BUTTON_RECT[2], BUTTON_RECT[3]))
    for state in ("normal", "hover", "pressed")
}


def happens_within(condition: Callable[[], object], seconds: float) -> bool:
    """Whether `condition` comes true within `seconds`: for checks that something does not happen."""
    try:
        wait_until(condition, seconds, "")
    except WaitTimeout:
        return False
    return True


class GameRecord:
    """What one installed copy of the test game wrote down, and the file that ends it."""

    def __init__(self, session: WineSession, exe: PureWindowsPath):
        self.exe = exe
        stem = session.unix_path(exe.with_suffix(""))
        self._report = stem.with_name(stem.name + "-report.jsonl")
        self._mode = stem.with_name(stem.name + "-mode.txt")
        self._end = stem.with_name(stem.name + "-end")

    def clear(self) -> None:
        for path in (self._report, self._mode, self._end):
            path.unlink(missing_ok=True)

    def set_mode(self, mode: str) -> None:
        self._mode.write_text(mode, encoding="ascii")

    def events(self, kind: str | None = None) -> list[dict]:
        if not self._report.exists():
            return []
        text = self._report.read_text(encoding="utf-8")
        complete = text[: text.rfind("\n") + 1]  # a line still being written is not read
        events = [json.loads(line) for line in complete.splitlines()]
        return [e for e in events if kind is None or e["event"] == kind]

    def starts(self) -> list[dict]:
        return self.events("start")

    def wait_start(self) -> dict:
        return wait_until(lambda: (self.starts() or [None])[0], WAIT, f"{self.exe} to start")

    def tell_to_end(self) -> list[str]:
        """Tells every copy that started to end, and returns why each one ended: "told" from a
        copy that was still running until now."""
        started = len(self.starts())
        self._end.touch()
        wait_until(lambda: len(self.events("end")) >= started, WAIT, f"{self.exe} to end when told")
        return [e["reason"] for e in self.events("end")]

    def end(self) -> bool:
        """Tells every copy to end; whether all that started have ended."""
        self._end.touch()
        started = len(self.starts())
        return happens_within(lambda: len(self.events("end")) >= started, WAIT)


class Launcher:
    """One run of Launcher.exe, from its window's first paint on."""

    def __init__(self, session: WineSession, exe: PureWindowsPath):
        self.session = session
        # Started from another folder, so the game's working folder shows what the launcher chose;
        # on the default desktop whatever size an earlier test chose, so the window lies wholly on it.
        self.program = session.launch(exe, desktop=DEFAULT_DESKTOP, cwd=PureWindowsPath(r"C:\windows"))
        self.window = self.program.window(CAPTION, timeout=WAIT)
        # The pointer may rest where an earlier test left it, perhaps on the button; over the
        # window's own background every button shows its normal picture.
        self.move(BACKGROUND)
        self.wait_button("normal")

    def point(self, client_point: tuple[int, int]) -> tuple[int, int]:
        return self.window.client_point(*client_point)

    def move(self, client_point: tuple[int, int]) -> None:
        self.session.move(*self.point(client_point))

    def button_picture(self) -> str | None:
        """Which of the button's pictures fills the button's rectangle, if any."""
        left, top, width, height = BUTTON_RECT
        shown = np.asarray(self.session.grab(*self.point((left, top)), width, height), dtype=np.int16)
        for state, expected in BUTTON_PICTURES.items():
            if worst_difference(shown, expected) <= JPEG_TOLERANCE:
                return state
        return None

    def wait_button(self, state: str) -> None:
        try:
            wait_until(lambda: self.button_picture() == state, WAIT, f"the {state} button picture")
        except WaitTimeout:
            raise AssertionError(f"the button shows {self.button_picture() or 'none of its pictures'}, "
                                 f"not {state}") from None

    def client_pixels(self) -> np.ndarray:
        client = self.window.client_rect
        return np.asarray(self.session.grab(client.left, client.top, client.width, client.height), dtype=np.int16)

    def click_button(self) -> float:
        """Presses and releases the left button on the button; returns when it was released."""
        self.session.mouse_down(*self.point(ON_BUTTON))
        self.wait_button("pressed")
        released = time.time()
        self.session.mouse_up(*self.point(ON_BUTTON))
        return released

    def close(self) -> None:
        if self.program.running:
            self.session.post_close(CAPTION)
            self.program.wait_exit(WAIT)


class LauncherFolder:
    """A folder of the prefix with Launcher.exe and, unless left out, the test game as Game.exe.
    Emptied first, so nothing an earlier test wrote there is read back."""

    def __init__(self, session: WineSession, programs: Path, folder: str, with_game: bool = True):
        self.session = session
        self.programs = programs
        self.folder = PureWindowsPath(folder)
        shutil.rmtree(session.unix_path(self.folder), ignore_errors=True)
        files = [(programs / "Launcher.exe", "Launcher.exe")]
        if with_game:
            files.append((programs / "test_game.exe", "Game.exe"))
        session.install_game(self.folder, *files)
        self.game = GameRecord(session, self.folder / "Game.exe")
        self.decoys: list[GameRecord] = []
        self.launchers: list[Launcher] = []

    def add_decoy(self, exe: str) -> GameRecord:
        """The test game at another path, where a launcher that lets the system guess the
        program from an unquoted command line would find it first."""
        decoy = GameRecord(self.session, PureWindowsPath(exe))
        self.session.install_game(decoy.exe.parent, (self.programs / "test_game.exe", decoy.exe.name))
        decoy.clear()
        self.decoys.append(decoy)
        return decoy

    def launch(self) -> Launcher:
        launcher = Launcher(self.session, self.folder / "Launcher.exe")
        self.launchers.append(launcher)
        return launcher

    def clean_up(self) -> None:
        """Closes the launchers and ends the games; restarts the session if that fails."""
        try:
            for launcher in self.launchers:
                launcher.close()
            ended = [record.end() for record in (self.game, *self.decoys)]
        except (AssertionError, RuntimeError):
            ended = [False]
        if not all(ended):
            self.session.restart()


class LauncherFolders:
    """Installs the launcher folders of one test; on leaving, closes every launcher and game
    started from them."""

    def __init__(self, session: WineSession, programs: Path):
        self.session = session
        self.programs = programs
        self._made: list[LauncherFolder] = []

    def __call__(self, folder: str, with_game: bool = True) -> LauncherFolder:
        made = LauncherFolder(self.session, self.programs, folder, with_game)
        self._made.append(made)
        return made

    def __enter__(self) -> LauncherFolders:
        return self

    def __exit__(self, *exc) -> None:
        for folder in self._made:
            folder.clean_up()


class BrowserRecorder:
    """Wine's hand-off of web addresses (winebrowser) runs the first program listed in the
    REG_SZ value HKCU\\Software\\Wine\\WineBrowser\\Browsers (comma-separated Unix paths); here
    that is a copy of browser_recorder, which appends each call's arguments as a line."""

    def __init__(self, session: WineSession):
        self._log = session.paths.prefix.parent / "browser-calls.log"
        recorder = session.paths.work / "browser_recorder"
        shutil.copyfile(BROWSER_RECORDER, recorder)
        recorder.chmod(0o755)  # however the checkout kept the mode bits
        added = subprocess.run(
            [str(WINE64), "reg", "add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/t", "REG_SZ",
             "/d", str(recorder), "/f"],
            env=session.env(), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            timeout=60, check=False,
        )
        if added.returncode != 0:
            raise RuntimeError("could not point Wine's browser hand-off at the recorder")
        self.clear()

    def clear(self) -> None:
        self._log.unlink(missing_ok=True)

    def calls(self) -> list[str]:
        return self._log.read_text(encoding="utf-8").splitlines() if self._log.exists() else []

    def wait_calls(self, count: int) -> list[str]:
        return wait_until(lambda: len(self.calls()) >= count and self.calls(), WAIT, f"{count} browser call(s)")
