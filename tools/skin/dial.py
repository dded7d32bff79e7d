"""The temperature dial of the main window: one 331 x 305 frame per degree
and the plate the program prints the number on.

A frame shows a 270-degree scale from 0 to 120 degrees C with ticks every
5 and numbers every 20, a lit arc from 0 up to the temperature whose colour
runs from cyan through amber to red, a needle and a hub.  The program
prints the number at (147, 198) over the plate it draws at (145, 200).

Which frame shows which temperature: 1300 is 0, 1301..1397 are 23..119
(the program shows 1301 for everything from 1 to 23), 1398..1401 are the
full scale (the program uses 1401 from 120 on).

The frames are drawn on the main window's plain body gradient at the
dial's spot, so they sit on it without a seam, and are stored as 8-bit
run-length encoded bitmaps: flat rows compress to a few bytes and the 102
frames stay small.
"""

from PIL import Image

import skinlib as sk

FRAME_SIZE = (331, 305)
FIRST, LAST = 1300, 1401
OVERLAY_SIZE = (47, 19)
OVERLAY_AT = (145, 200)
NUMBER_AT = (147, 198)

CENTRE = (165.5, 150.0)
R_ARC = 118.0          # radius of the lit arc's centre line
ARC_W = 12.0
START, SWEEP = 225.0, 270.0   # 0 degrees C at 225 (lower left), clockwise
SCALE_MAX = 120


def frame_temperature(frame):
    if frame <= FIRST:
        return 0
    if frame <= 1397:
        return frame - 1278
    return SCALE_MAX


def angle_of(t):
    """Polar angle (0 = 3 o'clock, counter-clockwise) of a temperature."""
    t = max(0, min(SCALE_MAX, t))
    return START - SWEEP * t / SCALE_MAX


def colour_of(t):
    """Scale colour at a temperature: cyan, amber from 70, red from 95."""
    stops = [(0, sk.ACCENT), (60, (0, 230, 190)), (80, (255, 190, 40)),
             (100, (255, 80, 40)), (120, (255, 30, 60))]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return sk.mix(c0, c1, (t - t0) / float(t1 - t0))
    return stops[-1][1]


def _pillow_arc(a_from, a_to):
    """Pillow arcs run clockwise from 3 o'clock in degrees; convert a span
    of our counter-clockwise polar angles (a_from > a_to going clockwise)."""
    return (-a_from, -a_to)


def dial_base(plain):
    """Everything that does not move: the scale on the body gradient."""
    cx, cy = CENTRE
    base = plain.copy().convert("RGBA")
    L = sk.AALayer(FRAME_SIZE)
    # Outer bezel rings.
    L.ring(cx, cy, R_ARC + 22, 1.2, (255, 255, 255, 22))
    L.ring(cx, cy, R_ARC + 16, 1.0, sk.ACCENT + (60,))
    # Unlit arc groove.
    s, e = _pillow_arc(START, START - SWEEP)
    L.arc(cx, cy, R_ARC + ARC_W / 2, s, e, (6, 8, 10, 255), width=ARC_W)
    L.arc(cx, cy, R_ARC + ARC_W / 2 + 1, s, e, (40, 46, 54, 255), width=1.0)
    # Ticks every 5 degrees, long ones every 20.
    for t in range(0, SCALE_MAX + 1, 5):
        a = angle_of(t)
        major = t % 20 == 0
        r0 = R_ARC - ARC_W / 2 - 4
        r1 = r0 - (12 if major else 6)
        col = colour_of(t) + (230,) if major else (150, 160, 172, 200)
        L.line([sk.polar(cx, cy, r0, a), sk.polar(cx, cy, r1, a)], fill=col,
               width=2.0 if major else 1.0)
    L.composite(base)
    fnt = sk.font(13, "bold")
    for t in range(0, SCALE_MAX + 1, 20):
        x, y = sk.polar(cx, cy, R_ARC - 42, angle_of(t))
        sk.draw_text(base, (x, y - 7), "%d" % t, fnt, sk.TEXT_DIM + (255,),
                     anchor="ma")
    sk.draw_text(base, (cx, cy + 22), "GPU TEMP", sk.font(10, "bold"),
                 sk.TEXT_FAINT + (255,), tracking=1.5, anchor="ma")
    px, py = OVERLAY_AT
    pw, ph = OVERLAY_SIZE
    sk.draw_text(base, (px + pw / 2.0, py + ph + 4), "\u00b0C",
                 sk.font(11, "bold"), sk.TEXT_DIM + (255,), anchor="ma")
    return base


def draw_frame(base, t):
    cx, cy = CENTRE
    im = base.copy()
    L = sk.AALayer(FRAME_SIZE)
    if t > 0:
        # The lit arc, in short pieces so its colour follows the scale.
        step = 2
        for k in range(0, t, step):
            k1 = min(t, k + step)
            s, e = _pillow_arc(angle_of(k), angle_of(k1) - 0.4)
            L.arc(cx, cy, R_ARC + ARC_W / 2 - 1, s, e,
                  colour_of(k1) + (255,), width=ARC_W - 2)
    # Needle and hub.
    a = angle_of(t)
    tip = sk.polar(cx, cy, R_ARC - 20, a)
    tail = sk.polar(cx, cy, -16, a)
    col = colour_of(t)
    L.line([tail, tip], fill=(0, 0, 0, 120), width=5.0)
    L.line([tail, tip], fill=col + (255,), width=2.6)
    L.circle(cx, cy, 9, fill=(28, 32, 38, 255), outline=col + (255,),
             width=1.6)
    L.circle(cx, cy, 3, fill=col + (255,))
    L.composite(im)
    return im.convert("RGB")


def dial_frames(plain_main, dial_area):
    """{frame id: RGB image} for 1300..1401 on the main window's plain
    gradient crop at dial_area = (x, y, w, h)."""
    x, y, w, h = dial_area
    if (w, h) != FRAME_SIZE:
        raise ValueError("dial area %r is not the frame size" % (dial_area,))
    plain = plain_main.crop((x, y, x + w, y + h))
    base = dial_base(plain)
    cache = {}
    frames = {}
    for f in range(FIRST, LAST + 1):
        t = frame_temperature(f)
        if t not in cache:
            cache[t] = draw_frame(base, t)
        frames[f] = cache[t]
    return frames


def draw_overlay():
    """The plate behind the printed number."""
    w, h = OVERLAY_SIZE
    L = sk.AALayer(OVERLAY_SIZE)
    L.rrect((0.5, 0.5, w - 0.5, h - 0.5), 4, fill=(6, 9, 12, 255),
            outline=sk.ACCENT_DIM + (255,), width=1.0)
    im = Image.new("RGBA", OVERLAY_SIZE, (15, 17, 20, 255))
    L.composite(im)
    return im.convert("RGB")
