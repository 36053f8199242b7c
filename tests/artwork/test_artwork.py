"""Checks the committed launcher artwork byte by byte, and that the drawing script reproduces it.

The launcher's decoder accepts only baseline 4:4:4 JPEGs and hit-tests fixed rectangles, and
the shell reads the icon's DIBs directly, so the layout matters as much as the pixels.
"""

import io
import struct
import subprocess
import sys
from pathlib import Path

import numpy as np
import pytest
from PIL import Image

REPO = Path(__file__).resolve().parents[2]
ARTWORK = REPO / "src" / "resources" / "artwork"
SCRIPT = REPO / "tools" / "artwork" / "draw_artwork.py"

BUTTONS = {
    "button_normal.jpg": (255, 136, 58),
    "button_hover.jpg": (255, 199, 86),
    "button_pressed.jpg": (215, 118, 50),
}
JPEG_SIZES = {"title.jpg": (640, 480), **{name: (182, 64) for name in BUTTONS}}
LETTER_BOX = (29, 17, 156, 50)  # inclusive x0, y0, x1, y1
STUDIO_BOX = (30, 398, 195, 438)
STUDIO_HOT_SPOT = (16, 392, 215, 447)
BUTTON_AREA = (456, 384, 632, 448)
ICON_ENTRIES = [(128, 67_624), (64, 16_936), (48, 9_640), (32, 4_264), (16, 1_128)]


def read(name):
    return (ARTWORK / name).read_bytes()


def pixels(name):
    return np.asarray(Image.open(io.BytesIO(read(name))).convert("RGB"), dtype=np.int32)


def jpeg_segments(data):
    """[(marker, payload)] from SOI up to and including SOS, every length checked."""
    assert data[:2] == b"\xff\xd8", "missing SOI"
    segments, pos = [], 2
    while True:
        assert pos + 4 <= len(data) and data[pos] == 0xFF, f"no marker at offset {pos}"
        marker = data[pos + 1]
        (length,) = struct.unpack_from(">H", data, pos + 2)
        assert length >= 2 and pos + 2 + length <= len(data), f"segment at {pos} overruns the file"
        segments.append((marker, data[pos + 4:pos + 2 + length]))
        if marker == 0xDA:
            return segments
        pos += 2 + length


# --- JPEG layout ---------------------------------------------------------------------------

@pytest.mark.parametrize("name", sorted(JPEG_SIZES))
def test_jpeg_is_baseline_444_with_jfif_and_short_exif(name):
    data = read(name)
    segments = jpeg_segments(data)
    markers = [m for m, _ in segments]
    assert data.endswith(b"\xff\xd9")

    assert markers[0] == 0xE0, "JFIF APP0 must come first"
    jfif = segments[0][1]
    assert jfif[:5] == b"JFIF\0"
    major, minor, units, x_density, y_density = struct.unpack_from(">BBBHH", jfif, 5)
    assert (major, minor, units, x_density, y_density) == (1, 1, 1, 300, 300)

    exif = [payload for m, payload in segments if m == 0xE1]
    assert len(exif) == 1 and exif[0].startswith(b"Exif\0\0")
    assert exif[0][6:10] in (b"II*\0", b"MM\0*")
    assert len(exif[0]) < 128

    frames = [m for m in markers if 0xC0 <= m <= 0xCF and m not in (0xC4, 0xC8, 0xCC)]
    assert frames == [0xC0], f"frame markers {[hex(m) for m in frames]}"
    sof = dict(segments)[0xC0]
    precision, height, width, count = struct.unpack_from(">BHHB", sof)
    assert (precision, (width, height), count) == (8, JPEG_SIZES[name], 3)
    assert [sof[6 + 3 * i + 1] for i in range(count)] == [0x11, 0x11, 0x11]


# --- Buttons -------------------------------------------------------------------------------

def ink_mask(image, fill, threshold=60):
    return np.abs(image - np.array(fill)).max(axis=2) > threshold


@pytest.mark.parametrize("name, fill", sorted(BUTTONS.items()))
def test_button_fill_matches_away_from_the_text(name, fill):
    image = pixels(name)
    # JPEG ringing stays inside the 8x8 blocks the lettering touches; every other block is flat.
    away = np.ones(image.shape[:2], dtype=bool)
    x0, y0, x1, y1 = LETTER_BOX
    away[y0 // 8 * 8:(y1 // 8 + 1) * 8, x0 // 8 * 8:(x1 // 8 + 1) * 8] = False
    assert np.abs(image[away] - fill).max() <= 2


@pytest.mark.parametrize("name, fill", sorted(BUTTONS.items()))
def test_button_lettering_fills_its_box(name, fill):
    image = pixels(name)
    ys, xs = np.nonzero(ink_mask(image, fill))
    found = (xs.min(), ys.min(), xs.max(), ys.max())
    assert all(abs(a - b) <= 1 for a, b in zip(found, LETTER_BOX)), f"lettering box {found}"
    x0, y0, x1, y1 = LETTER_BOX
    box = image[y0:y1 + 1, x0:x1 + 1]
    white = (box.min(axis=2) > 230).sum()
    black = (box.max(axis=2) < 40).sum()
    assert white > 400 and black > 400, f"white {white}, black {black}: not white text outlined in black"


def test_buttons_share_the_same_lettering():
    masks = {name: ink_mask(pixels(name), fill) for name, fill in BUTTONS.items()}
    reference = masks["button_normal.jpg"]
    for name, mask in masks.items():
        overlap = (mask & reference).sum() / (mask | reference).sum()
        assert overlap > 0.95, f"{name} lettering differs from the normal face ({overlap:.3f})"


# --- Title ---------------------------------------------------------------------------------

def luminance(image):
    return image @ np.array([0.299, 0.587, 0.114])


def test_title_leaves_the_button_area_calm():
    lum = luminance(pixels("title.jpg"))
    x0, y0, x1, y1 = BUTTON_AREA
    calm = lum[y0:y1 + 1, x0:x1 + 1].std()
    h, w = y1 - y0 + 1, x1 - x0 + 1
    elsewhere = [lum[ty:ty + h, tx:tx + w].std()
                 for ty in range(0, 400 - h, h) for tx in range(0, 640 - w, w)]
    assert calm < 4.0
    assert calm < 0.25 * np.median(elsewhere)


def test_title_studio_name_stays_inside_its_box():
    lum = luminance(pixels("title.jpg"))
    lettering = lum > 120  # the studio name is pale on a dark shore
    hx0, hy0, hx1, hy1 = STUDIO_HOT_SPOT
    x0, y0, x1, y1 = STUDIO_BOX
    inside = lettering[y0:y1 + 1, x0:x1 + 1].sum()
    around = lettering[hy0:hy1 + 1, hx0:hx1 + 1].sum() - inside
    assert inside > 300, "no studio name in its box"
    assert around == 0, f"{around} bright pixels in the hot spot outside the studio box"


# --- Icon ----------------------------------------------------------------------------------

def icon_images():
    """[(width, header fields, rgba top-down, mask bits top-down)] parsed from launcher.ico."""
    data = read("launcher.ico")
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, len(ICON_ENTRIES))
    images, expected_offset = [], 6 + 16 * count
    for i, (width, size) in enumerate(ICON_ENTRIES):
        entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert entry == (width, width, 0, 0, 1, 32, size, expected_offset), f"entry {i}: {entry}"
        blob = data[expected_offset:expected_offset + size]
        assert len(blob) == size, f"image {i} runs past the end of the file"
        header = struct.unpack_from("<IiiHHIIiiII", blob)
        colour = np.frombuffer(blob, np.uint8, 4 * width * width, 40).reshape(width, width, 4)
        row_bytes = 4 * ((width + 31) // 32)
        packed = np.frombuffer(blob, np.uint8, width * row_bytes, 40 + 4 * width * width)
        mask = np.unpackbits(packed.reshape(width, row_bytes), axis=1, bitorder="big")[:, :width]
        rgba = colour[::-1][..., [2, 1, 0, 3]]
        images.append((width, header, rgba, mask[::-1].astype(bool)))
        expected_offset += size
    assert expected_offset == len(data), "trailing bytes after the last image"
    return images


def test_icon_directory_and_headers():
    for width, header, _, _ in icon_images():
        assert header == (40, width, 2 * width, 1, 32, 0, 4 * width * width, 0, 0, 0, 0), f"{width} px"


@pytest.mark.parametrize("index", range(len(ICON_ENTRIES)))
def test_icon_alpha_and_mask(index):
    width, _, rgba, mask = icon_images()[index]
    alpha = rgba[..., 3]
    partial = ((alpha > 0) & (alpha < 255)).sum()
    assert partial >= 2 * width, f"{width} px: only {partial} partly transparent pixels"
    assert (alpha == 255).sum() > width * width // 4, f"{width} px: the mark is barely opaque"
    np.testing.assert_array_equal(mask, alpha == 0)
    if width >= 32:
        assert [alpha[0, 0], alpha[0, -1], alpha[-1, 0], alpha[-1, -1]] == [0, 0, 0, 0]


# --- Reproducibility -----------------------------------------------------------------------

def test_script_reproduces_the_committed_files(tmp_path):
    subprocess.run([sys.executable, str(SCRIPT), "--out", str(tmp_path)], check=True,
                   capture_output=True, timeout=300)
    produced = sorted(p.name for p in tmp_path.iterdir())
    assert produced == sorted([*JPEG_SIZES, "launcher.ico"])
    for name in produced:
        assert (tmp_path / name).read_bytes() == read(name), f"{name} differs from the committed file"
