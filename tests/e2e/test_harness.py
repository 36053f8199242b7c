"""Checks of the end-to-end harness itself: exit codes, desktop size, geometry, pixels, input,
dialogs, locales, Chinese text and game folders, against the probe's own test windows."""

import json

import pytest

BODY = (0x20, 0x60, 0xA0)  # show-window's client colour
MARKER = (0xF0, 0x80, 0x10)  # its 8 x 8 square at the client origin
CLICK_EXIT_FLAG = 0x40000000  # a click at client (x, y) exits with this | y << 16 | x
FRAME, CAPTION = 3, 19  # Wine's fixed frame and caption bar in a virtual desktop


@pytest.mark.parametrize(
    "argument, expected",
    [
        ("0", 0),
        ("256", 256),  # what wine64's own exit status would report as 0
        ("2147483648", 0x80000000),  # top bit alone
        ("4294967295", 0xFFFFFFFF),
        ("-2", 0xFFFFFFFE),
    ],
)
def test_exit_code_keeps_all_32_bits(session, programs, argument, expected):
    program = session.run(programs / "exit_with.exe", argument)
    assert program.exit_code == expected
    assert program.exit_code_signed == (expected - 2**32 if expected >= 2**31 else expected)


def show_window(session, title, desktop=(800, 600), width=400, height=300):
    program = session.launch("probe.exe", "show-window", "--title", title, "--width", str(width),
                             "--height", str(height), desktop=desktop)
    window = program.window()
    session.wait_until(lambda: session.pixel(*window.client_point(0, 0)) == MARKER, 5, "the first paint")
    return program, session.window(title)  # as it is once shown and painted


@pytest.mark.parametrize("size", [(800, 600), (1280, 720)])
def test_desktop_has_the_chosen_size(session, size):
    show_window(session, "Desktop", desktop=size)  # the desktop lives while a program runs
    metrics = session.metrics()
    assert (metrics["cx_screen"], metrics["cy_screen"]) == size
    assert session.desktop_x_size() == size
    assert session.desktop_origin() == (0, 0)


def test_window_geometry_and_pixels(session):
    _, window = show_window(session, "Geometry", desktop=(800, 600), width=400, height=300)

    assert window.rect.left == (800 - 400) // 2 and window.rect.top == (600 - 300) // 2
    assert window.rect.size == (400, 300)
    assert window.client_rect.left == window.rect.left + FRAME
    assert window.client_rect.top == window.rect.top + FRAME + CAPTION
    assert window.client_rect.size == (400 - 2 * FRAME, 300 - 2 * FRAME - CAPTION)
    assert window["foreground"] and window["focus"]["active"]

    # Both corners of the marker and the body beyond it: the X image lines up with Windows pixels.
    assert session.pixel(*window.client_point(7, 7)) == MARKER
    assert session.pixel(*window.client_point(8, 8)) == BODY
    assert session.pixel(*window.client_point(393, 274)) == BODY
    assert session.pixel(window.rect.left - 1, window.rect.top) not in (BODY, MARKER)

    icons = session.x_icons("Geometry")
    assert sorted((i.width, i.height) for i in icons) == [(16, 16), (32, 32)]
    assert {i.argb[0] for i in icons if i.width == 32} == {0xFF2060A0}  # BODY, opaque


@pytest.mark.parametrize(
    "action, expected_exit",
    [
        ("escape", 0),
        ("click", CLICK_EXIT_FLAG | 21 << 16 | 37),
        ("press-release", CLICK_EXIT_FLAG | 5 << 16 | 250),
        ("post-close", 0),
    ],
)
def test_input_reaches_the_window(session, action, expected_exit):
    program, window = show_window(session, f"Input {action}")
    if action == "escape":
        session.key("Escape")
    elif action == "click":
        session.click(*window.client_point(37, 21))
    elif action == "press-release":
        # The button goes down at one point and comes up at another; the release point counts.
        session.mouse_down(*window.client_point(100, 100))
        session.mouse_up(*window.client_point(250, 5))
    else:
        session.post_close(window.caption)
    assert program.wait_exit(5) == expected_exit
    session.wait_gone(window.caption, 5)


@pytest.mark.parametrize(
    "lang, locale_name, ok_text",
    [
        ("en_US.UTF-8", "en-US", "OK"),
        ("zh_CN.UTF-8", "zh-CN", "确定"),
    ],
)
def test_message_box_in_each_language(session, lang, locale_name, ok_text):
    assert session.probe("locale", lang=lang)["user_locale"] == locale_name
    program = session.launch("probe.exe", "show-message", "--title", "错误", "--text", "找不到 game.exe",
                             lang=lang)

    box = session.dialog("错误")
    assert box["text"] == "找不到 game.exe"
    assert [(b["id"], b["text"]) for b in box["buttons"]] == [(1, ok_text)]
    assert box["icon"] and box["foreground"]

    session.dialog("错误", press=1)
    assert program.wait_exit(5) == 1  # IDOK


def test_chinese_caption_is_drawn_with_real_glyphs(session):
    # A missing glyph is drawn as the same box for every character, so two different captions
    # render alike exactly when the CJK font is not reached.
    captions = {}
    for title in ("中文标题", "测试窗口"):
        program, window = show_window(session, title)
        left, top = window.rect.left + FRAME, window.rect.top + FRAME
        captions[title] = session.grab(left, top, 150, CAPTION).tobytes()
        session.screenshot(f"caption {title}")
        session.key("Escape")
        program.wait_exit(5)
    assert captions["中文标题"] != captions["测试窗口"]


@pytest.mark.parametrize("folder", [r"C:\games\Vaskoran", r"C:\Program Files\Tollmere\Vaskoran 测试"])
def test_program_runs_from_a_game_folder(session, programs, folder):
    installed = session.install_game(folder, (programs / "probe.exe", "Vaskoran.exe"))
    record = installed / "started.json"
    # Arguments that need quoting on a Windows command line, each in its own way.
    arguments = ["plain", "two words", 'say "hi"', "ends\\", "C:\\dir with space\\", "", "中文"]

    program = session.run(installed / "Vaskoran.exe", "report-self", "--out", str(record), "--exit-code", "7",
                          "--", *arguments, cwd=installed)

    assert program.exit_code == 7
    started = json.loads(session.unix_path(record).read_text(encoding="utf-8"))
    assert started["module"] == str(installed / "Vaskoran.exe")
    assert started["cwd"] == str(installed)
    assert started["argv"][-len(arguments):] == arguments
