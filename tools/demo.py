"""Runs the launcher from the demo folder under wine64; tools/run-demo builds first, then runs this.

The demo folder build/demo/ holds Launcher.exe beside the sample Game.exe, as a player's game
folder would. With $DISPLAY set, the launcher runs in a 1024 x 768 Wine virtual desktop on that
display, and the demo returns once the launcher and whatever it started (the game) have closed.
Without a display it runs on a private Xvfb: the painted window is saved as
build/demo/launcher.png and the launcher is closed with Esc. Either way no process is left behind.
"""

from __future__ import annotations

import argparse
import math
import os
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from winesession import WINESERVER, Paths, WineSession  # noqa: E402  (found through the path above)

BUILD = REPO / "build" / "win64"
DEMO = REPO / "build" / "demo"
WORK = REPO / "build" / "demo-wine"  # the demo's own prefix, apart from the tests' one
SCREENSHOT = DEMO / "launcher.png"
CAPTION = "Vaskoran2.0"
START_TIMEOUT = 60  # a fresh prefix's first program also starts the desktop and Wine's services
PAINT_SETTLE = 0.25  # seconds the window must look the same to count as painted


class UserDisplaySession(WineSession):
    """A Wine session on the display in $DISPLAY, the user's own, instead of a private Xvfb.
    Closing it ends the session's Wine programs and leaves the display alone."""

    def _start_xvfb(self) -> None:
        self.display = os.environ["DISPLAY"]


def make_demo_folder() -> Path:
    DEMO.mkdir(parents=True, exist_ok=True)
    for program in (BUILD / "Launcher.exe", BUILD / "demo" / "Game.exe"):
        if not program.exists():
            raise SystemExit(f"demo: {program} is missing; build the win64 preset first")
        shutil.copy2(program, DEMO / program.name)
    return DEMO / "Launcher.exe"


class LauncherEndedEarly(Exception):
    """The launcher ended before it showed its window: a start-up failure, told in a message box."""


def launcher_window(program):
    try:
        return program.window(CAPTION, timeout=START_TIMEOUT)
    except AssertionError:
        if program.running:
            raise
        exit_code = program.wait_exit(5)
    raise LauncherEndedEarly(f"the launcher ended with exit code {exit_code} before it showed its window")


def wait_for_paint(session: WineSession, window) -> None:
    """Waits until the client area shows more than one colour and has stopped changing."""
    client = window.client_rect
    seen = {"image": b"", "since": 0.0}

    def painted() -> bool:
        image = session.grab(client.left, client.top, client.width, client.height)
        pixels, now = image.tobytes(), time.monotonic()
        if pixels != seen["image"]:
            seen.update(image=pixels, since=now)
            return False
        return image.getcolors(1) is None and now - seen["since"] >= PAINT_SETTLE

    session.wait_until(painted, START_TIMEOUT, "the launcher's first paint")


def run_on_user_display(paths: Paths, launcher: Path) -> int:
    with UserDisplaySession.start(paths) as session:
        program = session.launch(launcher, cwd=launcher.parent)
        launcher_window(program)
        print(f"demo: the launcher is running on display {session.display}; "
              "close it (Esc, Alt+F4 or its close button) to end the demo", flush=True)
        exit_code = program.wait_exit(math.inf)
        print(f"demo: the launcher ended with exit code {exit_code}", flush=True)
        # The wineserver ends by itself once no program of the prefix is left, such as the game
        # the launcher may have started.
        subprocess.run([str(WINESERVER), "-w"], env=session.env(), check=False)
    return 0


def run_on_private_display(paths: Paths, launcher: Path, window_shot: Path | None) -> int:
    with WineSession.start(paths) as session:
        program = session.launch(launcher, cwd=launcher.parent)
        window = launcher_window(program)
        wait_for_paint(session, window)
        session.grab(0, 0, *session.desktop_x_size()).save(SCREENSHOT)
        print(f"demo: screenshot of the launcher: {SCREENSHOT}", flush=True)
        if window_shot is not None:
            # The window alone, frame and caption included: the picture the README shows.
            session.grab(window.rect.left, window.rect.top, *window.rect.size).save(window_shot)
            print(f"demo: screenshot of the window: {window_shot}", flush=True)
        session.key("Escape")
        exit_code = program.wait_exit(START_TIMEOUT)
    if exit_code != 0:
        print(f"demo: the launcher ended with exit code {exit_code} after Esc, not 0", file=sys.stderr)
        return 1
    return 0


def end_on_signal(number: int, _frame) -> None:
    # Unwinds through the sessions' `with`, which ends every Wine process and the private Xvfb.
    raise SystemExit(128 + number)


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--window-shot", type=Path, help="also save the launcher window alone here (private display only)")
    arguments = parser.parse_args()
    for number in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(number, end_on_signal)
    launcher = make_demo_folder()
    paths = Paths(programs=BUILD, work=WORK)
    try:
        if os.environ.get("DISPLAY") and arguments.window_shot is None:
            return run_on_user_display(paths, launcher)
        return run_on_private_display(paths, launcher, arguments.window_shot)
    except LauncherEndedEarly as error:
        print(f"demo: {error}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:
        return 130


if __name__ == "__main__":
    sys.exit(main())
