"""The title picture: a fortress on a sea crag at sunset, mountains fading into haze behind.

Painted back to front in float RGB: sky, sun, ranges, crag, then the lake mirrors all of it,
then the dark near shore. The lower-right corner stays a smooth dark slope because the
program draws its start button there, and the studio name keeps to the box under the
studio hot spot.
"""

import numpy as np

import raster
from raster import rgb

WIDTH, HEIGHT = 640, 480
SHAPE = (HEIGHT, WIDTH)
SEED = 20240917

GAME_NAME = "Vaskoran"
STUDIO_NAME = "Tollmere"
STUDIO_BOX = (30, 398, 195, 438)   # inclusive; the hot spot around it is x 16-215, y 392-447
BUTTON_AREA = (456, 384, 632, 448)  # inclusive; kept calm for the start button
SUN = (404.0, 286.0)
SUN_RADIUS = 24.0
WATERLINE = 326


def _coords():
    y, x = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float32)
    return x, y


def _sun_distance(x, y):
    return np.hypot(x - SUN[0], y - SUN[1])


def _sky(x, y, rng):
    image = raster.lerp_stops(y, [
        (0, rgb(6, 8, 28)), (90, rgb(22, 20, 60)), (170, rgb(70, 36, 90)),
        (225, rgb(150, 60, 90)), (272, rgb(226, 112, 74)), (WATERLINE, rgb(255, 184, 104)),
    ])
    # Long thin cloud banks, lit from below where they pass near the sun.
    clouds = raster.fbm(SHAPE, (9, 140), rng, octaves=5)
    band = raster.smoothstep(130, 200, y) * (1 - raster.smoothstep(244, 286, y))
    cloud = np.clip(clouds * 2.0 - 0.2, 0, 1) * band
    near_sun = np.exp(-((x - SUN[0]) ** 2 / 3.0e4 + (y - SUN[1]) ** 2 / 1.0e4))
    body = raster.lerp_stops(near_sun, [(0, rgb(92, 40, 84)), (1, rgb(236, 128, 96))])
    raster.over(image, body, 0.6 * cloud)
    underside = np.clip(cloud - raster.shift(cloud, 0, -2), 0, 1)
    raster.add_light(image, rgb(255, 160, 100), underside * (0.25 + 1.2 * near_sun))
    return image


def _stars(image, x, y, rng):
    count = 260
    sx = rng.uniform(0, WIDTH, count)
    sy = 240 * rng.uniform(0, 1, count) ** 1.7  # denser high up, where the sky is darkest
    brightness = rng.uniform(0.2, 1.0, count) ** 2.4
    points = np.zeros(SHAPE, dtype=np.float32)
    for px, py, b in zip(sx, sy, brightness):
        ix, iy = int(px), int(py)
        fx, fy = px - ix, py - iy
        for dy, wy in ((0, 1 - fy), (1, fy)):
            for dx, wx in ((0, 1 - fx), (1, fx)):
                if iy + dy < HEIGHT and ix + dx < WIDTH:
                    points[iy + dy, ix + dx] += b * wx * wy
    halo = raster.gaussian_blur(points, 1.5) * 2.5
    fade = 1 - raster.smoothstep(110, 240, y)
    raster.add_light(image, rgb(232, 236, 255), (1.3 * points + 0.5 * halo) * fade)
    for px, py in ((92, 44), (556, 30), (24, 196), (612, 156), (300, 150)):
        d2 = (x - px) ** 2 + (y - py) ** 2
        cross = (np.exp(-np.abs(x - px) / 1.0 - np.abs(y - py) / 6.0)
                 + np.exp(-np.abs(y - py) / 1.0 - np.abs(x - px) / 6.0))
        raster.add_light(image, rgb(255, 242, 222), 0.5 * cross + 0.9 * np.exp(-d2 / 2.0))


def _sun(image, x, y):
    d = _sun_distance(x, y)
    raster.add_light(image, rgb(255, 140, 64), 0.45 * np.exp(-d / 110.0))
    raster.add_light(image, rgb(255, 180, 110), 0.35 * np.exp(-(d / 44.0) ** 2))
    core = raster.lerp_stops(d / SUN_RADIUS, [(0, rgb(255, 254, 240)), (0.8, rgb(255, 246, 210)),
                                              (1, rgb(255, 232, 176))])
    raster.over(image, core, np.clip(SUN_RADIUS + 0.5 - d, 0, 1))
    # A tight corona over the disc's rim so the edge melts into the glow instead of ringing.
    raster.add_light(image, rgb(255, 220, 160), 0.35 * np.exp(-((d - SUN_RADIUS) / 4.0) ** 2))


def _rays(image, x, y, rng, sky):
    angle = np.arctan2(y - SUN[1], x - SUN[0])
    fan = np.interp(angle, np.linspace(-np.pi, np.pi, 241),
                    np.clip(raster.fbm_1d(241, 5, rng, octaves=3) * 2.4 - 0.2, 0, 1))
    d = _sun_distance(x, y)
    strength = fan * np.exp(-d / 260.0) * raster.smoothstep(SUN_RADIUS, SUN_RADIUS * 3, d)
    raster.add_light(image, rgb(255, 186, 130), 0.14 * strength * sky)


def _birds(image):
    flock = [(322, 206, 5), (336, 198, 4), (345, 211, 3.5), (310, 216, 3), (357, 203, 3)]
    polygons = []
    for bx, by, s in flock:
        polygons.append([(bx - s, by - s * 0.35), (bx - s * 0.45, by - s * 0.5), (bx, by),
                         (bx + s * 0.45, by - s * 0.5), (bx + s, by - s * 0.35),
                         (bx + s * 0.45, by - s * 0.2), (bx, by + s * 0.25), (bx - s * 0.45, by - s * 0.2)])
    raster.over(image, rgb(46, 20, 40), raster.polygon_mask(SHAPE, polygons, supersample=8))


def _skyline(rng, base, amplitude, cell, profile=0.0):
    """Peaks from ridged noise plus finer broken detail, raised by an optional profile."""
    peaks = raster.fbm_1d(WIDTH, cell, rng, octaves=3, gain=0.45, ridged=True)
    detail = raster.fbm_1d(WIDTH, cell / 6, rng, octaves=4, gain=0.55)
    return base - amplitude * (0.8 * peaks + 0.2 * detail) - profile


def _sample_columns(curve, xs):
    return np.interp(xs, np.arange(WIDTH), curve)


def _range(image, x, y, skyline, lit, shade, haze, foot, rng):
    """A mountain layer with faceted lighting.

    The faces turned away from the sun are the band between the skyline and a copy of it
    slid towards the sun and dropped a little; everything below that copy is lit.
    """
    xs = np.arange(WIDTH, dtype=np.float32)
    towards_sun = np.tanh((SUN[0] - xs) / 50.0)
    slid = _sample_columns(skyline, xs - 26 * towards_sun) + 5 + 3 * raster.fbm_1d(WIDTH, 8, rng, 3)
    mask = raster.below_curve(SHAPE, skyline)
    lit_part = raster.below_curve(SHAPE, slid)
    depth = np.clip(y - skyline[None, :], 0, None)
    body = raster.lerp_stops(lit_part, [(0, shade), (1, lit)])
    body *= (1 + 0.12 * _relief(SHAPE, (16, 12), rng))[..., None]
    glow = np.exp(-_sun_distance(x, y) / 150.0)
    raster.add_light(body, rgb(255, 150, 100), 0.5 * lit_part * glow * np.exp(-depth / 30.0))
    raster.over(body, haze, raster.smoothstep(foot - 70, foot, y) * 0.85)
    raster.over(image, body, mask)
    return mask


def _mist(image, y, rng, centre, half_height, colour, strength):
    wisps = np.clip(raster.fbm(SHAPE, (7, 110), rng, octaves=4) * 1.8 + 0.5, 0, 1)
    band = np.exp(-((y - centre) / half_height) ** 2)
    raster.over(image, colour, strength * wisps * band)


def _crag_outline(rng):
    """The crag as a polygon: a narrow plateau for the fortress, ragged cliffs down to the water."""
    def cliff(top, bottom, steps):
        t = np.linspace(0, 1, steps)
        ragged = raster.fbm_1d(steps, 6, rng, octaves=4, gain=0.6) * 16 * np.sin(np.pi * t) ** 0.5
        flare = t ** 1.8
        xs = top[0] + (bottom[0] - top[0]) * flare + ragged
        ys = top[1] + (bottom[1] - top[1]) * t
        return list(zip(xs, ys))

    left = cliff((134, 238), (58, WATERLINE + 6), 48)
    right = cliff((250, 242), (324, WATERLINE + 6), 48)
    plateau = [(140, 231), (168, 233), (226, 232), (246, 236)]
    return left[::-1] + plateau + right


def _relief(shape, cell, rng, light=(0.8, -0.45)):
    """Shading from a noise height field lit from the given direction: -1..1 bumps."""
    height = raster.fbm(shape, cell, rng, octaves=5, gain=0.55)
    gy, gx = np.gradient(height)
    scale = max(cell) if not np.isscalar(cell) else cell
    return np.clip((light[0] * -gx + light[1] * -gy) * scale * 1.2, -1, 1)


def _fortress_parts():
    """Silhouette polygons of the fortress, its banner and its lit windows (x, y, w, h)."""
    keep = [(150, 236), (150, 186), (146, 186), (146, 178), (154, 178), (154, 184), (160, 184),
            (160, 178), (168, 178), (168, 184), (174, 184), (174, 178), (182, 178), (182, 186),
            (178, 186), (178, 236)]
    tower = [(186, 236), (186, 150), (182, 150), (196, 118), (210, 150), (206, 150), (206, 236)]
    spire = [(195.5, 120), (197.5, 98), (199.5, 120)]
    wall = [(134, 240), (134, 214), (138, 214), (138, 208), (144, 208), (144, 214), (148, 214),
            (148, 208), (150, 208), (150, 240)]
    wall2 = [(206, 240), (206, 206), (212, 206), (212, 200), (218, 200), (218, 206), (224, 206),
             (224, 200), (230, 200), (230, 206), (236, 206), (236, 244)]
    turret = [(232, 246), (232, 188), (229, 188), (239, 166), (249, 188), (246, 188), (246, 250)]
    keep_roof = [(144, 180), (164, 148), (184, 180)]
    banner = [(197.5, 99), (211, 102.5), (197.5, 106)]
    windows = [(160, 200, 3, 6), (168, 200, 3, 6), (194.5, 166, 3, 7), (196, 194, 3, 7),
               (238, 206, 2.5, 6), (164, 222, 3, 5), (218, 222, 3, 5), (140, 226, 2.5, 4)]
    return [keep, tower, spire, wall, wall2, turret, keep_roof], banner, windows


def _fortress(image, x, y, rng):
    buildings, banner, windows = _fortress_parts()
    crag = raster.polygon_mask(SHAPE, [_crag_outline(rng)])
    walls = raster.polygon_mask(SHAPE, buildings)
    mask = np.maximum(crag, walls)
    # Cliff faces: tall fractured relief lit from the sun side, warmer towards the right.
    rock = raster.lerp_stops(x, [(60, rgb(26, 16, 36)), (190, rgb(40, 24, 50)), (320, rgb(78, 40, 58))])
    bumps = _relief(SHAPE, (26, 9), rng)
    rock *= (1 + 0.45 * bumps * crag)[..., None]
    raster.add_light(rock, rgb(200, 90, 60), 0.12 * np.clip(bumps, 0, 1) * crag * raster.smoothstep(120, 320, x))
    raster.over(rock, rgb(24, 16, 34), walls)
    lit_edge = np.clip(mask - raster.shift(mask, -2, 1), 0, 1)
    raster.add_light(rock, rgb(255, 146, 84), 0.8 * np.clip(raster.gaussian_blur(lit_edge, 0.7) * 1.6, 0, 1))
    raster.over(rock, rgb(120, 70, 96), 0.35 * raster.smoothstep(280, WATERLINE + 4, y))
    raster.over(image, rock, mask)
    raster.over(image, rgb(140, 26, 30), raster.polygon_mask(SHAPE, [banner], supersample=8))
    lights = raster.polygon_mask(SHAPE, [[(wx, wy), (wx + ww, wy), (wx + ww, wy + wh), (wx, wy + wh)]
                                        for wx, wy, ww, wh in windows], supersample=8)
    raster.add_light(image, rgb(255, 150, 60), raster.gaussian_blur(lights, 3.0) * 1.3)
    raster.over(image, rgb(255, 216, 136), lights)


def _lake(image, x, y, rng):
    """Mirrors everything above the waterline, broken up by ripples, with a path of sun glitter."""
    below = y >= WATERLINE
    depth = np.clip(y - WATERLINE, 0, None)
    wobble = raster.fbm(SHAPE, (2, 18), rng, octaves=3) * (0.6 + depth * 0.08)
    src_x = np.clip(np.rint(x + wobble), 0, WIDTH - 1).astype(int)
    src_y = np.clip(np.rint(2 * WATERLINE - 1 - y + 0.4 * wobble), 0, HEIGHT - 1).astype(int)
    mirrored = image[src_y, src_x]
    ripples = raster.fbm(SHAPE, (1.5, 30), rng, octaves=3)
    water = mirrored * (0.62 + 0.12 * ripples)[..., None]
    raster.over(water, rgb(30, 20, 48), raster.smoothstep(0, 80, depth) * 0.5)
    # Glitter: short horizontal flecks below the sun, spreading as they come nearer.
    spread = 10 + depth * 0.9
    path = np.exp(-((x - SUN[0]) / spread) ** 2)
    flecks = np.clip(raster.fbm(SHAPE, (1.2, 7), rng, octaves=2) * 3.0 - 0.6, 0, 1)
    raster.add_light(water, rgb(255, 206, 140), path * flecks * np.exp(-depth / 45.0) * 1.1)
    raster.add_light(water, rgb(255, 170, 110), 0.25 * path * np.exp(-depth / 30.0))
    shoreline = np.exp(-np.abs(y - WATERLINE) / 1.2) * raster.smoothstep(40, 0, np.abs(x - SUN[0]) - 60)
    raster.add_light(water, rgb(255, 200, 140), 0.3 * shoreline)
    image[below] = water[below]


def _pines(rng, ground, xs, heights=(24, 46)):
    """Fir silhouettes standing on the ground line at the given x positions."""
    polygons = []
    for px in xs:
        height = rng.uniform(*heights)
        width = height * rng.uniform(0.34, 0.42)
        base = ground[int(px)] + 4
        tiers = 5
        left, right = [], []
        for t in range(tiers):
            ty = base - height * t / tiers
            half = width * (1 - t / tiers) * 0.5
            left += [(px - half, ty - height * 0.04), (px - half * 0.45, ty - height / tiers * 0.6)]
            right += [(px + half * 0.45, ty - height / tiers * 0.6), (px + half, ty - height * 0.04)]
        polygons.append(left + [(px, base - height)] + right[::-1] + [(px + 1, base + 6), (px - 1, base + 6)])
    return polygons


def _headland(image, x, y, rng):
    """A forested ridge on the right that frames the sun and runs down into the lake."""
    xs = x[0]
    rise = raster.smoothstep(446, 640, xs)
    ridge = (WATERLINE + 4 - 70 * rise ** 0.8 - 8 * raster.fbm_1d(WIDTH, 50, rng, octaves=4))
    # A serrated tree line reads as forest at this distance; it thins out towards the water.
    crowns = np.clip(raster.fbm_1d(WIDTH, 3, rng, octaves=2, ridged=True), 0, 1)
    treeline = ridge - (3 + 9 * crowns) * raster.smoothstep(450, 500, xs)
    mask = raster.below_curve(SHAPE, treeline)
    body = raster.lerp_stops(x, [(440, rgb(52, 28, 60)), (640, rgb(26, 16, 36))])
    body *= (1 + 0.25 * _relief(SHAPE, (6, 6), rng))[..., None]
    lit_edge = np.clip(mask - raster.shift(mask, 2, 1), 0, 1)
    raster.add_light(body, rgb(255, 140, 90), 0.45 * raster.gaussian_blur(lit_edge, 0.6))
    raster.over(body, rgb(150, 86, 110), 0.35 * raster.smoothstep(290, WATERLINE + 4, y))
    raster.over(image, body, mask)


def _foreground(image, x, y, rng):
    """Dark near shore; it carries the studio name on the left and the start button on the right."""
    xs = x[0]
    ground = (382 - 8 * raster.smoothstep(220, 0, xs) - 22 * raster.smoothstep(400, 640, xs)
              + 4 * raster.fbm_1d(WIDTH, 50, rng, octaves=4))
    mask = raster.below_curve(SHAPE, ground)
    trees = _pines(rng, ground, [212, 226, 239, 250, 418, 431, 443], heights=(24, 46))
    trees += _pines(rng, ground, [4, 24], heights=(120, 150))
    reeds = []
    for rx in rng.uniform(262, 400, 40):
        h = rng.uniform(6, 16)
        lean = rng.uniform(-2.5, 2.5)
        base = ground[int(rx)] + 2
        reeds.append([(rx - 0.6, base), (rx + lean, base - h), (rx + 0.6, base)])
    near = np.maximum(np.maximum(mask, raster.polygon_mask(SHAPE, trees)), raster.polygon_mask(SHAPE, reeds, supersample=8))
    colour = raster.lerp_stops(y, [(200, rgb(28, 16, 34)), (400, rgb(17, 11, 23)), (480, rgb(9, 7, 14))])
    raster.over(image, colour, near)
    crest = np.exp(-np.clip(y - ground[None, :], 0, None) / 2.0) * mask
    raster.add_light(image, rgb(170, 80, 64), 0.3 * crest * np.exp(-np.abs(x - SUN[0]) / 260.0))
    # Faint tufts give the shore a surface without disturbing the button's corner.
    tufts = np.clip(raster.fbm(SHAPE, (3, 14), rng, octaves=3) * 2.2 - 0.4, 0, 1)
    quiet = raster.smoothstep(440, 400, xs)[None, :]
    raster.add_light(image, rgb(60, 36, 50), 0.25 * tufts * mask * quiet * raster.smoothstep(470, 390, y))


def _vignette(image, x, y):
    d = np.hypot((x - WIDTH / 2) / (WIDTH / 2), (y - HEIGHT * 0.45) / (HEIGHT * 0.6))
    image *= (1 - 0.45 * raster.smoothstep(0.5, 1.4, d))[..., None]


def _grain(image, rng, x, y):
    noise = rng.normal(0.0, 1.0, SHAPE).astype(np.float32)
    noise = 0.7 * noise + 0.6 * raster.gaussian_blur(noise, 0.8)
    bx0, by0, bx1, by1 = BUTTON_AREA
    # Grain fades out where the button goes, so the program's button sits on a quiet ground.
    outside = np.maximum(np.maximum(bx0 - x, x - bx1), np.maximum(by0 - y, y - by1))
    quiet = raster.smoothstep(-6, 20, outside)
    image += (noise * (0.006 + 0.014 * quiet))[..., None]


def _lettering_effects(image, mask, fill, glow_colour, glow, shadow_offset, shadow_blur, bevel):
    """Shadow, outer glow, bevelled fill and a thin dark edge for a line of lettering."""
    edge = np.clip(raster.gaussian_blur(mask, 0.9) * 2.2, 0, 1)
    shadow = raster.shift(raster.gaussian_blur(edge, shadow_blur), *shadow_offset)
    raster.over(image, rgb(4, 2, 8), 0.8 * np.clip(shadow * 1.3, 0, 1))
    if glow > 0:
        raster.add_light(image, glow_colour, glow * raster.gaussian_blur(edge, 9.0))
    raster.over(image, rgb(36, 16, 6), edge)
    height = raster.gaussian_blur(mask, bevel)
    gy, gx = np.gradient(height)
    light = np.clip((-gx - gy) * 2.2 * bevel, -1, 1)  # lit from the upper left
    shaded = fill * (1 + 0.5 * light)[..., None]
    raster.add_light(shaded, rgb(255, 255, 240), np.clip(light, 0, 1) * 0.35)
    raster.over(image, shaded, mask)


def _title(image, y):
    size, tracking = 100, 5.0
    width = raster.text_width(GAME_NAME, raster.SERIF_BOLD, size, tracking)
    mask = raster.text_mask(SHAPE, GAME_NAME, raster.SERIF_BOLD, size, ((WIDTH - width) / 2, 10), tracking)
    _, y0, _, y1 = raster.mask_bbox(mask)
    fill = raster.lerp_stops((y - y0) / (y1 - y0), [
        (0.0, rgb(255, 246, 200)), (0.42, rgb(252, 206, 110)), (0.5, rgb(226, 150, 58)),
        (1.0, rgb(160, 74, 24))])
    _lettering_effects(image, mask, fill, rgb(255, 120, 40), 0.55, (3, 5), 3.0, 2.2)
    # A thin gilt rule with a lozenge under the name.
    rule_y, cx = y1 + 16, WIDTH / 2
    rule = [[(cx - 104, rule_y - 0.6), (cx - 12, rule_y - 0.6), (cx - 12, rule_y + 0.6), (cx - 104, rule_y + 0.6)],
            [(cx + 12, rule_y - 0.6), (cx + 104, rule_y - 0.6), (cx + 104, rule_y + 0.6), (cx + 12, rule_y + 0.6)],
            [(cx, rule_y - 5), (cx + 5, rule_y), (cx, rule_y + 5), (cx - 5, rule_y)]]
    ornament = raster.polygon_mask(SHAPE, rule, supersample=8)
    fade = np.clip(1 - np.abs(np.arange(WIDTH) - cx) / 104, 0, 1)[None, :] ** 0.6
    raster.over(image, rgb(4, 2, 8), 0.5 * raster.shift(raster.gaussian_blur(ornament, 1.2), 1, 2))
    raster.over(image, rgb(240, 190, 100), ornament * np.maximum(fade, 0.3))


def _studio_emblem(left, top, height):
    """A small gatehouse mark: crenellated tower with an arched door, in unit steps of height."""
    u = height / 12.0
    tower = [(0, 12), (0, 2), (1.5, 2), (1.5, 0), (3, 0), (3, 2), (4.5, 2), (4.5, 0), (6, 0), (6, 2),
             (7.5, 2), (7.5, 0), (9, 0), (9, 12)]
    door = [(3, 12), (3, 8.2), (3.4, 7.2), (4.5, 6.6), (5.6, 7.2), (6, 8.2), (6, 12)]
    window = [(4.1, 3.4), (4.9, 3.4), (4.9, 5), (4.1, 5)]
    scale = [[(left + px * u, top + py * u) for px, py in shape] for shape in (tower, door, window)]
    return raster.polygon_mask(SHAPE, scale[:1], supersample=8) * (1 - raster.polygon_mask(SHAPE, scale[1:], supersample=8))


def _studio(image, y):
    x0, y0, x1, y1 = STUDIO_BOX
    size, tracking = 24, 2.6
    emblem_w, gap = 16, 9
    text_w = raster.text_width(STUDIO_NAME, raster.SERIF, size, tracking)
    left = (x0 + x1 + 1 - (emblem_w + gap + text_w)) / 2
    probe = raster.text_mask(SHAPE, STUDIO_NAME, raster.SERIF, size, (left + emblem_w + gap, 0), tracking)
    _, top, _, bottom = raster.mask_bbox(probe)
    centre = (y0 + y1) / 2
    text = raster.shift(probe, 0, round(centre - (top + bottom) / 2) - 1)
    _, top, _, bottom = raster.mask_bbox(text)
    mark = _studio_emblem(left, top - 2, bottom - top + 3)
    mask = np.maximum(text, mark)
    fill = raster.lerp_stops(y, [(y0, rgb(250, 236, 206)), (y1, rgb(200, 168, 128))])
    _lettering_effects(image, mask, fill, rgb(255, 140, 60), 0.0, (1, 2), 1.5, 1.0)
    bx0, by0, bx1, by1 = raster.mask_bbox(mask)
    assert x0 <= bx0 and bx1 <= x1 and y0 <= by0 and by1 <= y1, "studio name left its box"


def draw():
    """The title picture as uint8 RGB."""
    rng = np.random.default_rng(SEED)
    x, y = _coords()
    xs = x[0]
    image = _sky(x, y, rng)
    _stars(image, x, y, rng)
    _sun(image, x, y)

    distant = _skyline(rng, 292, 80, 210)
    far = _skyline(rng, 312, 56, 150)
    mid = _skyline(rng, 338, 30, 110, profile=22 * raster.smoothstep(200, 0, xs))
    distant_mask = _range(image, x, y, distant, rgb(226, 142, 140), rgb(204, 122, 134), rgb(248, 176, 132),
                          WATERLINE - 20, rng)
    far_mask = _range(image, x, y, far, rgb(176, 92, 114), rgb(118, 60, 100), rgb(236, 150, 124), WATERLINE, rng)
    _rays(image, x, y, rng, 1 - np.maximum(distant_mask, far_mask))
    _birds(image)
    _mist(image, y, rng, WATERLINE - 14, 12, rgb(246, 170, 136), 0.5)
    _range(image, x, y, mid, rgb(110, 56, 92), rgb(70, 36, 74), rgb(176, 100, 116), WATERLINE + 4, rng)
    _headland(image, x, y, rng)
    _fortress(image, x, y, rng)
    _mist(image, y, rng, WATERLINE - 4, 8, rgb(220, 140, 130), 0.45)
    _lake(image, x, y, rng)
    _foreground(image, x, y, rng)
    _vignette(image, x, y)
    _title(image, y)
    _studio(image, y)
    _grain(image, rng, x, y)
    return raster.to_uint8(image)
