"""Float-image helpers shared by the artwork painters.

Images are numpy float32 arrays in 0..1: H x W x 3 for colour, H x W for masks.
Everything random takes an explicit numpy Generator so every run paints the same pixels.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype"
SERIF_BOLD = f"{FONT_DIR}/dejavu/DejaVuSerif-Bold.ttf"
SERIF = f"{FONT_DIR}/dejavu/DejaVuSerif.ttf"
CJK = f"{FONT_DIR}/wqy/wqy-microhei.ttc"


def rgb(r, g, b):
    return np.array([r, g, b], dtype=np.float32) / 255.0


def over(image, colour, alpha):
    """Paints `colour` (a colour or an image) over `image` with coverage `alpha`, in place."""
    a = alpha[..., None]
    image *= 1.0 - a
    image += np.asarray(colour, dtype=np.float32) * a
    return image


def add_light(image, colour, amount):
    """Additive light (glows, rays), clipped later by to_uint8."""
    image += np.asarray(colour, dtype=np.float32) * amount[..., None]
    return image


def lerp_stops(t, stops):
    """Piecewise-linear colour ramp: `stops` is [(position, colour), ...] with rising positions."""
    positions = np.array([p for p, _ in stops], dtype=np.float32)
    colours = np.stack([c for _, c in stops])
    out = np.empty(t.shape + (3,), dtype=np.float32)
    for channel in range(3):
        out[..., channel] = np.interp(t, positions, colours[:, channel])
    return out


def smoothstep(edge0, edge1, x):
    t = np.clip((x - edge0) / (edge1 - edge0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def gaussian_blur(mask, sigma):
    """Separable Gaussian blur of a 2-D array with edge clamping."""
    if sigma <= 0:
        return mask.copy()
    radius = int(np.ceil(3.0 * sigma))
    taps = np.exp(-0.5 * (np.arange(-radius, radius + 1) / sigma) ** 2)
    taps = (taps / taps.sum()).astype(np.float32)
    out = mask.astype(np.float32)
    for axis in (0, 1):
        pad = [(0, 0), (0, 0)]
        pad[axis] = (radius, radius)
        padded = np.pad(out, pad, mode="edge")
        acc = np.zeros_like(out)
        length = out.shape[axis]
        for i, weight in enumerate(taps):
            acc += weight * (padded[i:i + length] if axis == 0 else padded[:, i:i + length])
        out = acc
    return out


def shift(mask, dx, dy):
    """Moves a mask by whole pixels, filling with zero."""
    out = np.zeros_like(mask)
    h, w = mask.shape
    src = mask[max(0, -dy):h - max(0, dy), max(0, -dx):w - max(0, dx)]
    out[max(0, dy):max(0, dy) + src.shape[0], max(0, dx):max(0, dx) + src.shape[1]] = src
    return out


def value_noise(shape, cell, rng):
    """Smooth 2-D noise in -1..1 with features about `cell` pixels wide (cell may be a (y, x) pair)."""
    h, w = shape
    cy, cx = (cell, cell) if np.isscalar(cell) else cell
    grid = rng.uniform(-1.0, 1.0, size=(int(h / cy) + 3, int(w / cx) + 3)).astype(np.float32)
    y = np.arange(h, dtype=np.float32) / cy
    x = np.arange(w, dtype=np.float32) / cx
    y0, x0 = np.floor(y).astype(int), np.floor(x).astype(int)
    fy, fx = smoothstep(0, 1, y - y0)[:, None], smoothstep(0, 1, x - x0)[None, :]
    top = grid[y0][:, x0] * (1 - fx) + grid[y0][:, x0 + 1] * fx
    bottom = grid[y0 + 1][:, x0] * (1 - fx) + grid[y0 + 1][:, x0 + 1] * fx
    return top * (1 - fy) + bottom * fy


def fbm(shape, cell, rng, octaves=5, gain=0.5):
    """Fractal sum of value noise, normalised to roughly -1..1."""
    total = np.zeros(shape, dtype=np.float32)
    amplitude, norm = 1.0, 0.0
    cy, cx = (cell, cell) if np.isscalar(cell) else cell
    for _ in range(octaves):
        total += amplitude * value_noise(shape, (max(cy, 1.0), max(cx, 1.0)), rng)
        norm += amplitude
        amplitude *= gain
        cy, cx = cy / 2.0, cx / 2.0
    return total / norm


def fbm_1d(length, cell, rng, octaves=6, gain=0.5, ridged=False):
    """1-D fractal noise for skylines; `ridged` folds it into sharp peaks."""
    total = np.zeros(length, dtype=np.float32)
    amplitude, norm = 1.0, 0.0
    x = np.arange(length, dtype=np.float32)
    for _ in range(octaves):
        knots = rng.uniform(-1.0, 1.0, size=int(length / cell) + 3)
        i = np.floor(x / cell).astype(int)
        f = smoothstep(0, 1, x / cell - i)
        octave = knots[i] * (1 - f) + knots[i + 1] * f
        if ridged:
            octave = 1.0 - 2.0 * np.abs(octave)
        total += amplitude * octave
        norm += amplitude
        amplitude *= gain
        cell = max(cell / 2.0, 1.0)
    return total / norm


def below_curve(shape, curve):
    """Anti-aliased coverage of the area under a per-column skyline (curve[x] = y of the edge)."""
    h, _ = shape
    rows = np.arange(h, dtype=np.float32)[:, None]
    return np.clip(rows + 0.5 - curve[None, :] + 0.5, 0.0, 1.0)


def polygon_mask(shape, polygons, supersample=4):
    """Anti-aliased coverage of filled polygons given in pixel coordinates."""
    h, w = shape
    canvas = Image.new("L", (w * supersample, h * supersample), 0)
    draw = ImageDraw.Draw(canvas)
    for points in polygons:
        draw.polygon([(x * supersample, y * supersample) for x, y in points], fill=255)
    canvas = canvas.resize((w, h), Image.Resampling.BOX)
    return np.asarray(canvas, dtype=np.float32) / 255.0


def text_mask(shape, text, font_path, size, origin, tracking=0.0):
    """Coverage of a line of text drawn glyph by glyph, so letter spacing can be opened up."""
    h, w = shape
    font = ImageFont.truetype(font_path, size)
    canvas = Image.new("L", (w, h), 0)
    draw = ImageDraw.Draw(canvas)
    x, y = origin
    for ch in text:
        draw.text((x, y), ch, font=font, fill=255)
        x += font.getlength(ch) + tracking
    return np.asarray(canvas, dtype=np.float32) / 255.0


def text_width(text, font_path, size, tracking=0.0):
    font = ImageFont.truetype(font_path, size)
    return sum(font.getlength(ch) for ch in text) + tracking * (len(text) - 1)


def mask_bbox(mask, threshold=0.0):
    """(x0, y0, x1, y1) inclusive bounds of pixels above threshold."""
    ys, xs = np.nonzero(mask > threshold)
    return int(xs.min()), int(ys.min()), int(xs.max()), int(ys.max())


def to_uint8(image):
    return np.clip(np.rint(image * 255.0), 0, 255).astype(np.uint8)
