"""The launcher icon: a gold-rimmed dark shield carrying a faceted "V".

Each size is painted from the same unit-square design at a multiple of its size and box
filtered down in premultiplied alpha. Small sizes get a thicker rim and V and no gloss, so
the mark still reads at 16 px.
"""

import numpy as np
from PIL import Image, ImageDraw

import raster

SIZES = (128, 64, 48, 32, 16)


def _bezier(p0, p1, p2, steps=48):
    t = np.linspace(0.0, 1.0, steps)[:, None]
    p0, p1, p2 = (np.array(p, dtype=np.float64) for p in (p0, p1, p2))
    return list(map(tuple, (1 - t) ** 2 * p0 + 2 * (1 - t) * t * p1 + t ** 2 * p2))


def _shield(left, top, right, bottom, corner):
    """Heater-shield outline in unit coordinates: flat-ish top, straight sides, curved point."""
    mid = (left + right) / 2
    shoulder = top + 0.44 * (bottom - top)
    points = _bezier((left, top + corner), (left, top), (left + corner, top), 12)
    points += _bezier((left + corner, top), (mid, top - 0.03 * (bottom - top)), (right - corner, top), 24)
    points += _bezier((right - corner, top), (right, top), (right, top + corner), 12)
    points += [(right, shoulder)]
    points += _bezier((right, shoulder), (right, bottom - 0.18 * (bottom - top)), (mid, bottom))
    points += _bezier((mid, bottom), (left, bottom - 0.18 * (bottom - top)), (left, shoulder))
    return points


def _inset(points, centre, amount):
    """Shrinks an outline towards `centre` in x and y separately (good enough for a convex shield)."""
    cx, cy = centre
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    sx = 1 - 2 * amount / (max(xs) - min(xs))
    sy = 1 - 2 * amount / (max(ys) - min(ys))
    return [(cx + (x - cx) * sx, cy + (y - cy) * sy) for x, y in points]


class _Canvas:
    """Premultiplied RGBA float canvas at n x n pixels; shapes come in unit coordinates."""

    def __init__(self, n):
        self.n = n
        self.rgb = np.zeros((n, n, 3), dtype=np.float32)
        self.alpha = np.zeros((n, n), dtype=np.float32)
        y, x = np.mgrid[0:n, 0:n].astype(np.float32)
        self.u, self.v = (x + 0.5) / n, (y + 0.5) / n

    def coverage(self, polygon):
        image = Image.new("L", (self.n, self.n), 0)
        ImageDraw.Draw(image).polygon([(x * self.n, y * self.n) for x, y in polygon], fill=255)
        return np.asarray(image, dtype=np.float32) / 255.0

    def paint(self, colour, coverage):
        a = coverage[..., None]
        self.rgb = self.rgb * (1 - a) + np.broadcast_to(colour, self.rgb.shape) * a
        self.alpha = self.alpha * (1 - coverage) + coverage

    def downscale(self, size):
        factor = self.n // size
        pre = np.concatenate([self.rgb, self.alpha[..., None]], axis=2)
        pre = pre.reshape(size, factor, size, factor, 4).mean(axis=(1, 3))
        alpha = pre[..., 3]
        straight = np.where(alpha[..., None] > 1e-6, pre[..., :3] / np.maximum(alpha, 1e-6)[..., None], 0)
        out = np.concatenate([straight, alpha[..., None]], axis=2)
        return raster.to_uint8(out)


def draw(size):
    """One icon image as size x size x 4 uint8, straight alpha."""
    scale = max(8, 1024 // size)
    canvas = _Canvas(size * scale)
    px = 1.0 / size  # one output pixel in unit coordinates

    margin = 0.06 if size >= 32 else 0.5 * px
    left, right = margin + 0.04, 1 - margin - 0.04
    top, bottom = margin, 1 - margin - (0.04 if size >= 32 else 0)
    corner = 0.10
    outline = _shield(left, top, right, bottom, corner)
    centre = ((left + right) / 2, (top + bottom) / 2)
    rim = max(0.065, 1.2 * px)
    arm = max(0.15, 2.5 * px)
    u, v = canvas.u, canvas.v

    shield = canvas.coverage(outline)
    if size >= 32:
        blur = raster.gaussian_blur(shield, 0.025 * canvas.n)
        shadow = raster.shift(blur, 0, int(0.03 * canvas.n))
        canvas.paint(raster.rgb(8, 4, 0), 0.6 * shadow)

    gold = raster.lerp_stops(np.clip(0.65 * u + 0.75 * v - 0.2, 0, 1),
                             [(0.0, raster.rgb(255, 232, 150)), (0.45, raster.rgb(247, 178, 70)),
                              (1.0, raster.rgb(170, 84, 24))])
    canvas.paint(gold, shield)

    inner_outline = _inset(outline, centre, rim)
    inner = canvas.coverage(inner_outline)
    canvas.paint(raster.rgb(60, 30, 10), canvas.coverage(_inset(outline, centre, rim * 0.7)))
    glow = np.exp(-((u - 0.5) ** 2 + (v - 0.42) ** 2) / 0.08)
    dark = raster.lerp_stops(v, [(0.0, raster.rgb(58, 44, 78)), (1.0, raster.rgb(16, 12, 28))])
    dark += glow[..., None] * raster.rgb(110, 48, 10)
    canvas.paint(dark, inner)

    # The V: two arms meeting low in the shield; each arm is split lengthwise into a lit and a
    # shaded facet, which is what makes it read as cut metal rather than a flat letter.
    vt, vb = top + 0.17, bottom - 0.16
    spread = 0.25 if size >= 32 else 0.31
    tip_x = 0.5
    l_out, r_out = (tip_x - spread, vt), (tip_x + spread, vt)
    l_in, r_in = (tip_x - spread + arm, vt), (tip_x + spread - arm, vt)
    tip = (tip_x, vb)
    notch = (tip_x, vb - arm * 1.9)
    l_mid_top = ((l_out[0] + l_in[0]) / 2, vt)
    r_mid_top = ((r_out[0] + r_in[0]) / 2, vt)
    mid_tip = (tip_x, (tip[1] + notch[1]) / 2)
    facets = [
        ([l_out, l_mid_top, mid_tip, tip], raster.rgb(255, 226, 140)),
        ([l_mid_top, l_in, notch, mid_tip], raster.rgb(246, 160, 50)),
        ([r_in, r_mid_top, mid_tip, notch], raster.rgb(255, 196, 92)),
        ([r_mid_top, r_out, tip, mid_tip], raster.rgb(196, 100, 26)),
    ]
    if size <= 16:
        facets = [([l_out, l_in, notch, r_in, r_out, tip], raster.rgb(255, 190, 80))]
    v_shape = canvas.coverage([l_out, l_in, notch, r_in, r_out, tip])
    if size >= 32:
        halo = raster.gaussian_blur(v_shape, 0.035 * canvas.n) * inner
        canvas.paint(raster.rgb(255, 140, 40), 0.45 * halo)
        drop = raster.shift(raster.gaussian_blur(v_shape, 0.012 * canvas.n), 0, int(0.02 * canvas.n))
        canvas.paint(raster.rgb(0, 0, 0), 0.55 * drop * inner)
    for polygon, colour in facets:
        canvas.paint(colour, canvas.coverage(polygon))

    if size >= 48:
        gloss = canvas.coverage(_inset(outline, centre, rim * 1.4)) * np.clip(1.0 - (v - top) / 0.36, 0, 1)
        gloss *= raster.smoothstep(0.0, 0.02, 0.62 - v - 0.25 * (u - 0.5))
        canvas.rgb += raster.rgb(255, 240, 220) * (0.10 * gloss)[..., None] * canvas.alpha[..., None]

    return canvas.downscale(size)
