"""The start button faces: a flat fill with 开始游戏 in white, outlined in black.

The lettering is laid out at 8x, its outlined ink cropped to the exact box and box-filtered
down, so the outline touches every edge of the 128 x 34 box at (29, 17) and nothing leaks
outside it. The glyph size sets the height and letter spacing the width, so the glyphs
keep their shape.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import raster

SIZE = (182, 64)
TEXT = "开始游戏"
BOX_ORIGIN = (29, 17)
BOX_SIZE = (128, 34)
OUTLINE = 3.5  # px at 1x
SUPERSAMPLE = 8
FILLS = {
    "button_normal.jpg": (255, 136, 58),
    "button_hover.jpg": (255, 199, 86),
    "button_pressed.jpg": (215, 118, 50),
}


def _render(font_size, tracking, stroke):
    """Returns (outlined coverage, fill coverage) of the text on a roomy hi-res canvas."""
    font = ImageFont.truetype(raster.CJK, font_size)
    width = int(sum(font.getlength(ch) for ch in TEXT) + tracking * 3 + 4 * stroke + 64)
    height = int(font_size * 1.6 + 4 * stroke)
    outlined = Image.new("L", (width, height), 0)
    filled = Image.new("L", (width, height), 0)
    x = 2.0 * stroke + 16
    for ch in TEXT:
        for canvas, s in ((outlined, stroke), (filled, 0)):
            ImageDraw.Draw(canvas).text((round(x), 2 * stroke), ch, font=font, fill=255,
                                        stroke_width=s, stroke_fill=255)
        x += font.getlength(ch) + tracking
    return (np.asarray(outlined, dtype=np.float32) / 255.0,
            np.asarray(filled, dtype=np.float32) / 255.0)


def _ink_size(font_size, tracking, stroke):
    x0, y0, x1, y1 = raster.mask_bbox(_render(font_size, tracking, stroke)[0])
    return x1 - x0 + 1, y1 - y0 + 1


def _fit():
    """Font size and tracking whose outlined ink comes within a hi-res pixel or two of the box.

    Hinting makes the ink height step unevenly with the size, so the last pixel or two is
    taken up by the final resample (well under 1 % of stretch).
    """
    target_w, target_h = BOX_SIZE[0] * SUPERSAMPLE, BOX_SIZE[1] * SUPERSAMPLE
    stroke = round(OUTLINE * SUPERSAMPLE)
    probe = 200
    _, probe_h = _ink_size(probe, 0, stroke)
    size = round(probe + (target_h - probe_h) * probe / (probe_h - 2 * stroke))
    tracking = 0.0
    for _ in range(4):
        w, _ = _ink_size(size, tracking, stroke)
        tracking += (target_w - w) / (len(TEXT) - 1)
    return size, tracking, stroke


def lettering():
    """Outlined and fill coverage at 1x, each exactly BOX_SIZE."""
    size, tracking, stroke = _fit()
    outlined, filled = _render(size, tracking, stroke)
    x0, y0, x1, y1 = raster.mask_bbox(outlined)
    small = []
    for mask in (outlined, filled):
        crop = Image.fromarray(mask[y0:y1 + 1, x0:x1 + 1])
        small.append(np.asarray(crop.resize(BOX_SIZE, Image.Resampling.BOX), dtype=np.float32))
    return small


def draw(fill, letters):
    """One button face as uint8 RGB, with the given fill colour."""
    outlined, filled = letters
    w, h = SIZE
    image = np.empty((h, w, 3), dtype=np.float32)
    image[...] = raster.rgb(*fill)
    bx, by = BOX_ORIGIN
    bw, bh = BOX_SIZE
    window = image[by:by + bh, bx:bx + bw]
    raster.over(window, raster.rgb(0, 0, 0), outlined)
    raster.over(window, raster.rgb(255, 255, 255), filled)
    pixels = raster.to_uint8(image)
    ink = np.any(pixels != np.array(fill, dtype=np.uint8), axis=2)
    ys, xs = np.nonzero(ink)
    assert (xs.min(), ys.min(), xs.max(), ys.max()) == (bx, by, bx + bw - 1, by + bh - 1), \
        "button lettering left its box"
    return pixels
