"""The program icon end to end: the window shows launcher.ico's pictures whether they come from the
template or, when the template's icon cannot be used, from the program's own DEFAULT_ICON; and the
file's icon, as the shell extracts it, is the same picture."""

from __future__ import annotations

import struct
from pathlib import Path

import pytest

from winesession import windows_path_of

REPO = Path(__file__).resolve().parents[2]
PROGRAM_ICON = REPO / "src" / "resources" / "artwork" / "launcher.ico"
CAPTION = "Vaskoran2.0"
# Channel difference allowed where the icon is visible at all: scaling-free paths should match
# exactly, but Wine may round when it converts a picture.
TOLERANCE = 2


def program_icon_pictures() -> dict[int, list[int]]:
    """launcher.ico's 32-bit images by size, as top-down rows of 0xAARRGGBB."""
    data = PROGRAM_ICON.read_bytes()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    pictures = {}
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        header_size, width, stored_height, _, bit_count = struct.unpack_from("<IiiHH", data, offset)
        assert bit_count == 32 and stored_height == 2 * width, "launcher.ico holds square 32-bit bitmaps"
        rows = data[offset + header_size:offset + header_size + 4 * width * width]
        bottom_up = [rows[4 * width * y:4 * width * (y + 1)] for y in range(width)]
        pictures[width] = [struct.unpack_from("<I", row, 4 * x)[0] for row in reversed(bottom_up) for x in range(width)]
    return pictures


def argb_from_bgra_hex(hex_pixels: str) -> list[int]:
    data = bytes.fromhex(hex_pixels)
    return [struct.unpack_from("<I", data, i)[0] for i in range(0, len(data), 4)]


def picture_differences(actual: list[int], expected: list[int], size: int) -> list[str]:
    """Where two pictures differ beyond the tolerance; colour counts only where the icon shows."""
    if len(actual) != len(expected):
        return [f"{len(actual)} pixels, expected {len(expected)}"]
    differences = []
    for i, (a, e) in enumerate(zip(actual, expected)):
        channels = [(a >> shift & 0xFF, e >> shift & 0xFF) for shift in (24, 16, 8, 0)]
        compared = channels if channels[0][1] else channels[:1]  # alpha only, where fully transparent
        if any(abs(x - y) > TOLERANCE for x, y in compared):
            differences.append(f"({i % size}, {i // size}): {a:08x}, expected {e:08x}")
    return differences


def assert_same_picture(actual: list[int], expected: list[int], size: int, what: str) -> None:
    differences = picture_differences(actual, expected, size)
    assert not differences, f"{what}: {len(differences)} pixels differ, first {differences[:5]}"


@pytest.mark.parametrize(
    "program",
    [
        "Launcher.exe",  # the icon the template carries
        "LauncherFallbackIcon.exe",  # a template whose icon is not an icon file: DEFAULT_ICON instead
    ],
)
def test_window_shows_the_program_icon(session, programs, program):
    launcher = session.launch(programs / program)
    session.window(CAPTION)
    icons = session.wait_until(
        lambda: {(i.width, i.height): i for i in session.x_icons(CAPTION)} or None, 5, "the window's icons"
    )

    assert sorted(icons) == [(16, 16), (32, 32)]
    pictures = program_icon_pictures()
    for size, kind in ((32, "large"), (16, "small")):
        assert_same_picture(list(icons[(size, size)].argb), pictures[size], size, f"the window's {kind} icon")

    session.post_close(CAPTION)
    assert launcher.wait_exit(10) == 0


@pytest.mark.parametrize("build", ["win64", "win32"])
def test_file_icon_is_the_program_icon(session, programs, build):
    path = programs / "Launcher.exe" if build == "win64" else REPO / "build" / "win32" / "Launcher.exe"
    if not path.exists():
        pytest.skip(f"{path} is not built")

    report = session.probe("file-icon", "--file", windows_path_of(path))

    assert report["icon_groups"] == 1
    pictures = program_icon_pictures()
    large, small = report["large"], report["small"]
    assert (large["width"], large["height"], small["width"], small["height"]) == (32, 32, 16, 16)
    assert_same_picture(argb_from_bgra_hex(large["bgra"]), pictures[32], 32, "the shell's large icon")
    # Wine 8's ExtractIconExW makes the small icon by shrinking the image it chose for the large
    # one, so the 16-pixel picture is checked where the file is asked for that size alone.
    sized = {icon["size"]: icon for icon in report["sized"]}
    for size, image_id in ((32, 6), (16, 7)):
        icon = sized[size]
        assert (icon["width"], icon["height"], icon["id"]) == (size, size, image_id)
        assert_same_picture(argb_from_bgra_hex(icon["bgra"]), pictures[size], size, f"the file's {size}-pixel icon")
