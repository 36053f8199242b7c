"""The launcher's picture button under wine64, checked against the real Launcher.exe: which picture
shows as the pointer comes, goes, presses and drags, when a release starts the game, and the inputs
it ignores.

Each picture is checked over the whole button against the left 176 of its 182 columns, so the
six columns it has beyond the button never show; the fill is sampled besides, at the colours the
artwork was made with.
"""

import pytest

from launcher_driver import (
    BACKGROUND,
    BESIDE_BUTTON,
    CAPTION,
    JPEG_TOLERANCE,
    ON_BUTTON,
    OUTSIDE_WINDOW,
    QUIET_PERIOD,
    WAIT,
    LauncherFolders,
    happens_within,
)

FILL = {"normal": (255, 136, 58), "hover": (255, 199, 86), "pressed": (215, 118, 50)}
# Away from the lettering, the first and the last column of the button.
FILL_SAMPLES = [(460, 388), (631, 388), (631, 447)]

@pytest.fixture
def launcher_folder(session, programs):
    with LauncherFolders(session, programs) as make:
        yield make


def where(launcher, place: str) -> tuple[int, int]:
    if place == "outside":
        return OUTSIDE_WINDOW
    return launcher.point({"on": ON_BUTTON, "beside": BESIDE_BUTTON, "background": BACKGROUND}[place])


def assert_shows(session, launcher, state: str) -> None:
    launcher.wait_button(state)
    for sample in FILL_SAMPLES:
        colour = session.pixel(*launcher.point(sample))
        assert max(abs(a - b) for a, b in zip(colour, FILL[state])) <= JPEG_TOLERANCE, (sample, colour, state)


# Steps: (input, where the pointer is, the picture shown after it); no picture is checked once the
# launcher may have ended.
SEQUENCES = [
    pytest.param(
        [("move", "on", "hover"), ("move", "beside", "normal"), ("move", "on", "hover")],
        False,
        id="pointer onto the button and off",
    ),
    pytest.param(
        [("move", "on", "hover"), ("move", "outside", "normal")],
        False,
        id="off in one jump to outside the window",
    ),
    pytest.param(
        [("move", "on", "hover"), ("down", "on", "pressed"), ("move", "beside", "normal"),
         ("move", "outside", "normal"), ("up", "outside", "normal"), ("move", "on", "hover")],
        False,
        id="press, drag off, release outside",
    ),
    pytest.param(
        [("down", "on", "pressed"), ("move", "beside", "normal"), ("move", "on", "pressed"), ("up", "on", None)],
        True,
        id="press, drag off and back, release on it",
    ),
    pytest.param(
        [("down", "background", "normal"), ("move", "beside", "normal"), ("move", "on", "pressed"),
         ("up", "on", None)],
        True,
        id="press on the background, drag onto the button, release",
    ),
]


@pytest.mark.parametrize("steps, starts_game", SEQUENCES)
def test_button_pictures_follow_the_pointer(session, launcher_folder, steps, starts_game):
    installed = launcher_folder(r"C:\games\Vaskoran")
    launcher = installed.launch()
    actions = {"move": session.move, "down": session.mouse_down, "up": session.mouse_up}

    for action, place, state in steps:
        actions[action](*where(launcher, place))
        if state:
            assert_shows(session, launcher, state)

    if starts_game:
        assert launcher.program.wait_exit(WAIT) == 0
        installed.game.wait_start()
        assert not happens_within(lambda: len(installed.game.starts()) > 1, QUIET_PERIOD)
    else:
        assert not happens_within(lambda: installed.game.starts() or not launcher.program.running, QUIET_PERIOD)


# Each input, given with the pointer resting on the lit button: (xdotool action, button or key).
IGNORED_INPUTS = [
    pytest.param("press", 3, id="right button"),
    pytest.param("press", 2, id="middle button"),
    pytest.param("click", 4, id="wheel up"),
    pytest.param("click", 5, id="wheel down"),
    pytest.param("key", "Return", id="Enter"),
    pytest.param("key", "space", id="Space"),
    pytest.param("key", "Tab", id="Tab"),
]


@pytest.mark.parametrize("kind, which", IGNORED_INPUTS)
def test_button_ignores_other_buttons_the_wheel_and_keys(session, launcher_folder, kind, which):
    installed = launcher_folder(r"C:\games\Vaskoran")
    launcher = installed.launch()
    on = where(launcher, "on")
    session.move(*on)
    launcher.wait_button("hover")
    assert session.window(CAPTION)["foreground"], "keys would go to another window"
    before = launcher.client_pixels()

    def anything_happened(within: float) -> bool:
        return happens_within(lambda: installed.game.starts() or not launcher.program.running
                              or launcher.button_picture() != "hover", within)

    if kind == "press":
        session.mouse_down(*on, button=which)
        assert not anything_happened(0.5), "pressing it"
        session.mouse_up(*on, button=which)
    elif kind == "click":
        session.click(*on, button=which)
    else:
        session.key(which)

    assert not anything_happened(QUIET_PERIOD)
    assert (launcher.client_pixels() == before).all()
