"""The launcher's window under wine64, checked against the real Launcher.exe: placement and frame,
icons, child controls, what the client area shows, the keys and clicks that close it or do nothing,
and the message box of a launcher whose template block is damaged.

Tests on the default 1024 x 768 desktop come first and the table of desktop sizes last, so the
desktop is restarted once per other size only."""

from pathlib import Path

import numpy as np
import pytest
from PIL import Image

REPO = Path(__file__).resolve().parents[2]
ARTWORK = REPO / "src" / "resources" / "artwork"

CAPTION = "Vaskoran2.0"
ERROR_CAPTION = "错误"
ERROR_TEXT = "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"
FATAL_EXIT_CODE = 0xFFFFFFFF  # -1 in all 32 bits

OUTER_SIZE = (662, 488)
CLIENT_SIZE = (656, 463)  # Wine's 3-pixel fixed frame and 19-pixel caption
LABEL_ID, BUTTON_ID = 100, 110
# (left, top, width, height) in client coordinates
LABEL_RECT = (16, 392, 200, 56)
BUTTON_RECT = (456, 384, 176, 64)
AWAY_FROM_CONTROLS = (300, 100)  # a client point where the pointer touches no control

BUTTON_FILL = (255, 136, 58)
BUTTON_HOVER_FILL = (255, 199, 86)
JPEG_TOLERANCE = 3  # per channel, for pixels compared with our own decode of a JPEG

WS_MAXIMIZEBOX = 0x00010000
WS_MINIMIZEBOX = 0x00020000
WS_THICKFRAME = 0x00040000
WS_SYSMENU = 0x00080000
WS_CAPTION = 0x00C00000
WS_CLIPCHILDREN = 0x02000000
WS_EX_TOOLWINDOW = 0x00000080
MESSAGE_BOX_TEXT_ID = 0xFFFF

WAIT = 10  # seconds for anything the launcher should do at once


def picture(name: str) -> np.ndarray:
    return np.asarray(Image.open(ARTWORK / name).convert("RGB"), dtype=np.int16)


def grab_client(session, window) -> np.ndarray:
    client = window.client_rect
    return np.asarray(session.grab(client.left, client.top, client.width, client.height), dtype=np.int16)


def region(pixels: np.ndarray, rect: tuple[int, int, int, int]) -> np.ndarray:
    left, top, width, height = rect
    return pixels[top : top + height, left : left + width]


def worst_difference(actual: np.ndarray, expected: np.ndarray) -> tuple[int, tuple[int, int]]:
    """The largest per-channel difference and the (x, y) where it is, for assertion messages."""
    difference = np.abs(actual - expected).max(axis=2)
    y, x = np.unravel_index(np.argmax(difference), difference.shape)
    return int(difference[y, x]), (int(x), int(y))


def button_pixel(session, window, x: int = 5, y: int = 5) -> tuple[int, int, int]:
    return session.pixel(*window.client_point(BUTTON_RECT[0] + x, BUTTON_RECT[1] + y))


def shows(colour, expected) -> bool:
    return all(abs(a - b) <= JPEG_TOLERANCE for a, b in zip(colour, expected))


def start_launcher(session, programs, desktop=(1024, 768), lang=None):
    """Starts Launcher.exe and returns (program, window) once it is painted and active, with the
    pointer off its controls so the button shows its face at rest."""
    program = session.launch(programs / "Launcher.exe", desktop=desktop, lang=lang)
    window = program.window(CAPTION, timeout=WAIT)
    session.move(*window.client_point(*AWAY_FROM_CONTROLS))
    session.wait_until(lambda: shows(button_pixel(session, window), BUTTON_FILL), WAIT, "the button's face at rest")

    def active_window():
        facts = session.window(CAPTION, lang=lang)
        return facts if facts["foreground"] and facts["focus"]["active"] else None

    return program, session.wait_until(active_window, WAIT, "the launcher to become the active window")


# ----- the window on the default desktop --------------------------------------------------------


@pytest.mark.parametrize("lang", ["zh_CN.UTF-8", "en_US.UTF-8"])
def test_one_fixed_size_window_with_its_own_taskbar_entry(session, programs, lang):
    _, window = start_launcher(session, programs, lang=lang)

    assert window.caption == CAPTION
    assert session.x_window_titles() == [CAPTION]  # the one window, named as the taskbar shows it
    assert (window.rect.left, window.rect.top) == (181, 140)
    assert window.rect.size == OUTER_SIZE
    assert window.client_rect.size == CLIENT_SIZE

    style, exstyle = window["style"], window["exstyle"]
    for bit, name in [(WS_CAPTION, "WS_CAPTION"), (WS_SYSMENU, "WS_SYSMENU"), (WS_MINIMIZEBOX, "WS_MINIMIZEBOX"),
                      (WS_CLIPCHILDREN, "WS_CLIPCHILDREN")]:
        assert style & bit == bit, f"{name} missing from style {style:#010x}"
    for bit, name in [(WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"), (WS_THICKFRAME, "WS_THICKFRAME")]:
        assert not style & bit, f"{name} set in style {style:#010x}: the window could be maximised or resized"
    # An owned window or a tool window gets no taskbar button.
    assert not exstyle & WS_EX_TOOLWINDOW
    assert window["owner"] == 0
    assert window["parent"] == window["desktop"]
    assert window["visible"] and window["enabled"]
    assert not window["minimized"] and not window["maximized"]


def test_icons_are_the_icon_files_32_and_16_pixel_images(session, programs):
    start_launcher(session, programs)
    icon_file = Image.open(ARTWORK / "launcher.ico")

    icons = session.x_icons(CAPTION)
    assert sorted((icon.width, icon.height) for icon in icons) == [(16, 16), (32, 32)]
    for icon in icons:
        shown = np.array(icon.argb, dtype=np.uint32).reshape(icon.height, icon.width)
        rgba = np.asarray(icon_file.ico.getimage((icon.width, icon.height)).convert("RGBA"), dtype=np.uint32)
        expected = rgba[..., 3] << 24 | rgba[..., 0] << 16 | rgba[..., 1] << 8 | rgba[..., 2]
        # The file's own image for each size, not one image scaled to both.
        assert np.array_equal(shown, expected), f"the {icon.width}-pixel icon is not the file's image of that size"


def test_two_child_controls_button_above_label(session, programs):
    _, window = start_launcher(session, programs)

    children = window.children
    assert [child["id"] for child in children] == [BUTTON_ID, LABEL_ID]  # GW_CHILD first: top of the Z order
    for child, (left, top, width, height) in [(window.child(LABEL_ID), LABEL_RECT),
                                              (window.child(BUTTON_ID), BUTTON_RECT)]:
        rect = child["rect"]
        assert (rect["left"], rect["top"], rect["width"], rect["height"]) == (left, top, width, height), child
        assert child["visible"] and child["enabled"], child


def test_client_area_shows_the_tiled_title_picture_the_label_and_the_button(session, programs):
    _, window = start_launcher(session, programs)
    client = grab_client(session, window)
    title = picture("title.jpg")
    width, height = CLIENT_SIZE
    assert title.shape[:2] == (480, 640), "the checks below assume the 640 x 480 title picture"

    # Tiled from the top-left corner: columns 640 on repeat columns 0 on, exactly, since both come
    # from the same decode; rows 463 to 479 of the picture fall below the client area.
    assert np.array_equal(client[:, 640:width], client[:, 0 : width - 640]), "the second tile is not the first"
    tiled = np.concatenate([title, title], axis=1)[:height, :width]

    # Everywhere but the button, which is compared with its own picture below.
    expected = tiled.copy()
    region(expected, BUTTON_RECT)[...] = region(client, BUTTON_RECT)
    worst, at = worst_difference(client, expected)
    assert worst <= JPEG_TOLERANCE, f"the client area differs from the tiled title picture by {worst} at {at}"

    # The label paints nothing: its rectangle is the picture beneath, like its neighbourhood.
    worst, at = worst_difference(region(client, LABEL_RECT), region(tiled, LABEL_RECT))
    assert worst <= JPEG_TOLERANCE, f"the label differs from the picture beneath by {worst} at {at}"

    # The button at rest: its picture's columns 0-175 at its top-left corner, the rest cut off.
    face = picture("button_normal.jpg")[: BUTTON_RECT[3], : BUTTON_RECT[2]]
    button = region(client, BUTTON_RECT)
    worst, at = worst_difference(button, face)
    assert worst <= JPEG_TOLERANCE, f"the button differs from its picture by {worst} at {at}"
    right_edge = button[:, -1]
    assert np.abs(right_edge - np.array(BUTTON_FILL)).max() <= JPEG_TOLERANCE, "the button's right edge is not its fill"


@pytest.mark.parametrize("how", ["Escape", "alt+F4", "close button"])
def test_closing_ends_the_launcher_with_exit_code_0(session, programs, how):
    program, window = start_launcher(session, programs)
    if how != "close button":
        session.key(how)
    else:
        # The rightmost caption button: a square about one caption high at the frame's inner edge.
        frame, caption = window["metrics"]["cx_fixed_frame"], window["metrics"]["cy_caption"]
        session.click(window.rect.right - frame - caption // 2 - 1, window.rect.top + frame + caption // 2)

    assert program.wait_exit(WAIT) == 0
    session.wait_gone(CAPTION, WAIT)


@pytest.mark.parametrize("key", ["Return", "Tab", "F1"])
def test_key_changes_nothing(session, programs, key):
    program, before = start_launcher(session, programs)
    titles = session.x_window_titles()

    session.key(key)
    # Input reaches the launcher in order, so once the pointer's move over the button has shown
    # its hover face, the key before it has been handled too.
    session.move(*before.client_point(BUTTON_RECT[0] + BUTTON_RECT[2] // 2, BUTTON_RECT[1] + BUTTON_RECT[3] // 2))
    session.wait_until(lambda: shows(button_pixel(session, before), BUTTON_HOVER_FILL), WAIT,
                       "the button's hover face")

    assert program.running and program.exit_code is None
    after = session.window(CAPTION)
    assert after.rect == before.rect
    assert after["foreground"] and after["focus"]["active"]
    assert after["focus"]["focus_hwnd"] == before["focus"]["focus_hwnd"]
    assert session.x_window_titles() == titles


# ----- the start-up failure ---------------------------------------------------------------------


def distinct_glyph_shapes(text_area: np.ndarray) -> int:
    """How many different ink shapes the first line of text has. A font that lacks the glyphs
    draws every character as the same box, or nothing at all."""
    ink = np.abs(text_area - text_area[0, 0]).max(axis=2) > 64
    rows = np.flatnonzero(ink.any(axis=1))
    if rows.size == 0:
        return 0
    gaps = np.flatnonzero(np.diff(rows) > 1)
    line = ink[rows[0] : rows[gaps[0]] + 1 if gaps.size else rows[-1] + 1]
    columns = np.concatenate([[False], line.any(axis=0), [False]])
    edges = np.flatnonzero(np.diff(columns.astype(np.int8)))
    return len({line[:, start:end].tobytes() + bytes([end - start]) for start, end in zip(edges[::2], edges[1::2])})


@pytest.mark.parametrize("lang, ok_text", [("zh_CN.UTF-8", "确定"), ("en_US.UTF-8", "OK")], ids=["zh_CN", "en_US"])
def test_damaged_template_shows_the_error_box_and_ends_with_minus_1(session, programs, capsys, lang, ok_text):
    program = session.launch(programs / "LauncherDamagedTemplate.exe", lang=lang)

    # Every probe in the program's language: see WineSession.probe.
    box = session.dialog(ERROR_CAPTION, timeout=WAIT, lang=lang)
    assert box["text"].replace("\r\n", "\n") == ERROR_TEXT.replace("\r\n", "\n")
    assert [(button["id"], button["text"]) for button in box["buttons"]] == [(1, ok_text)]
    assert box["icon"]
    for query in (["--title", CAPTION], ["--class", "VaskoranLauncherWindow"]):
        assert "error" in session.probe("window", *query, lang=lang, check=False), f"a launcher window exists ({query})"

    # The Chinese text is drawn with real glyphs; the screenshot shows it to a person.
    facts = session.window(ERROR_CAPTION, lang=lang)
    text = facts.child(MESSAGE_BOX_TEXT_ID)["rect"]
    with capsys.disabled():  # the path shows in the test output, passed or not
        session.screenshot(f"error box {lang}")
    text_area = grab_client(session, facts)[text["top"] : text["bottom"], text["left"] : text["right"]]
    assert distinct_glyph_shapes(text_area) >= 5, "the first line of the box is not drawn in Chinese glyphs"

    session.dialog(ERROR_CAPTION, press=1, lang=lang)
    assert program.wait_exit(WAIT) == FATAL_EXIT_CODE
    session.wait_gone(ERROR_CAPTION, WAIT)


# ----- other desktop sizes, last: each new size restarts the desktop ------------------------------


@pytest.mark.parametrize(
    "desktop, position",
    [
        ((1024, 768), (181, 140)),
        ((1366, 768), (352, 140)),
        ((1920, 1080), (629, 296)),
        # Wine clamps the created window to the screen; the launcher sets its size again.
        ((640, 480), (-11, -4)),
    ],
    ids=["1024x768", "1366x768", "1920x1080", "640x480"],
)
def test_window_is_centred_at_its_exact_size(session, programs, desktop, position):
    program, window = start_launcher(session, programs, desktop=desktop)

    assert (window["metrics"]["cx_screen"], window["metrics"]["cy_screen"]) == desktop
    assert (window.rect.left, window.rect.top) == position
    assert window.rect.size == OUTER_SIZE
    assert window.client_rect.size == CLIENT_SIZE

    session.key("Escape")
    assert program.wait_exit(WAIT) == 0
