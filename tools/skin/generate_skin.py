#!/usr/bin/python3
"""Generate the Pyrelix skin: window backgrounds, button icons, app icon.

    /usr/bin/python3 tools/skin/generate_skin.py --out DIR [--preview PDIR]

Writes every picture in OUTPUTS below DIR.  Output is byte-for-byte the same
on every run.  --preview additionally writes PNG versions (icons enlarged on
the window colour) for looking at the result.

Each picture is one function returning either an RGB image (saved as a
24-bit BMP) or a list of RGBA images (saved as one .ico).  To add a picture,
write its function and add a row to OUTPUTS.
"""

import argparse
import os
import sys

from PIL import Image, ImageChops, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dial  # noqa: E402
import panels  # noqa: E402
import skinlib as sk  # noqa: E402

# --------------------------------------------------------------------------
# Main window (bitmap 130) layout, in client pixels (x, y, w, h).  The
# program places its controls on exactly these spots.
# --------------------------------------------------------------------------
MAIN_SIZE = (1200, 482)
MAIN_RADIUS = 14
TITLE_H = 80

MAIN_BUTTONS = {
    "Setting": (48, 90, 40, 40),
    "Info": (102, 90, 40, 40),
    "Advance": (158, 90, 40, 40),
    "Bios": (216, 90, 40, 40),
    "Help": (270, 90, 40, 40),
    "Led": (890, 90, 40, 40),
}
MIN_BUTTON = (1110, 90, 18, 16)
CLOSE_BUTTON = (1135, 90, 18, 16)

# Graph panel rect, caption, and the (x, y) of the max / min / current
# value labels the program draws next to it.
GRAPHS = [
    ((60, 190, 330, 96), "ENGINE CLOCK (MHz)", (290, 168), (360, 168),
     (395, 220)),
    ((60, 340, 330, 96), "TEMPERATURE (\u00b0C)", (290, 319), (360, 319),
     (395, 370)),
    ((790, 190, 330, 96), "MEMORY CLOCK (MHz)", (1020, 168), (1090, 168),
     (1125, 220)),
    ((790, 340, 330, 96), "FAN SPEED (%)", (1020, 319), (1090, 319),
     (1125, 370)),
]
DIAL_AREA = (436, 145, 331, 305)

# --------------------------------------------------------------------------
# Message box (bitmap 149) layout.
# --------------------------------------------------------------------------
MSG_SIZE = (351, 127)
MSG_RADIUS = 10
MSG_GLYPH_BOX = (10, 20, 70, 70)
MSG_TEXT = (90, 20, 240, 70)
MSG_BUTTONS = [(100, 90, 72, 26), (220, 90, 72, 26)]


# --------------------------------------------------------------------------
# Backgrounds
# --------------------------------------------------------------------------
def _button_backdrop(layer, rect):
    x, y, w, h = rect
    cx, cy = x + w / 2.0, y + h / 2.0
    r = max(w, h) / 2.0 + 3
    layer.circle(cx, cy, r, fill=(255, 255, 255, 9))
    layer.circle(cx, cy, r, outline=(255, 255, 255, 22), width=1)
    # A short accent tick under each button hints at the active strip.
    layer.line([(cx - 5, cy + r + 3), (cx + 5, cy + r + 3)],
               fill=sk.ACCENT + (90,), width=1.2)


def _small_backdrop(layer, rect):
    x, y, w, h = rect
    layer.rrect((x - 2, y - 2, x + w + 2, y + h + 2), 4,
                fill=(255, 255, 255, 10), outline=(255, 255, 255, 24))


def _title_strip(canvas):
    w = canvas.size[0]
    strip = sk.vgradient((w, TITLE_H), sk.TITLE_TOP, sk.TITLE_BOTTOM)
    canvas.alpha_composite(strip, (0, 0))
    sk.brushed_texture(canvas, (0, 0, w, TITLE_H), 2, seed=130001)

    # Diagonal hatching on the right of the strip, barely there.
    hatch = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    hd = ImageDraw.Draw(hatch)
    for i in range(0, 360, 9):
        x = 780 + i
        hd.line((x, TITLE_H - 2, x + TITLE_H - 4, 2), fill=(255, 255, 255, 7),
                width=3)
    # Fade the hatching out towards the left.
    fade = Image.new("L", (w, 1))
    for x in range(w):
        t = min(1.0, max(0.0, (x - 780) / 260.0))
        fade.putpixel((x, 0), int(255 * t))
    fade = fade.resize(canvas.size, Image.NEAREST)
    hatch.putalpha(Image.composite(hatch.getchannel("A"),
                                   Image.new("L", canvas.size, 0), fade))
    canvas.alpha_composite(hatch)

    # Emblem and name.
    canvas.alpha_composite(sk.emblem(50), (22, 15))
    name_font = sk.font(30, "bold")
    sk.draw_text(canvas, (86, 16), "Pyrelix", name_font, sk.TEXT + (255,))
    sk.draw_text(canvas, (88, 52), "GPU MONITOR  \u00b7  OVERCLOCK  \u00b7  "
                 "TUNING", sk.font(10, "bold"), sk.TEXT_FAINT + (255,),
                 tracking=1.6)

    # Strip bottom: a dark seam, then a thin accent line that fades out at
    # both ends, with a thicker chamfered bar under the emblem.
    d = ImageDraw.Draw(canvas)
    d.line((1, TITLE_H - 1, w - 2, TITLE_H - 1), fill=(8, 9, 11, 255))
    sk.hfade_line(canvas, 2, w - 2, TITLE_H, sk.ACCENT, 110, fade=0.45)
    bar = sk.AALayer(canvas.size)
    bar.polygon([(22, TITLE_H - 1), (150, TITLE_H - 1), (146, TITLE_H + 3),
                 (22, TITLE_H + 3)], fill=sk.ACCENT + (230,))
    bar.composite(canvas)


def _dial_halo(canvas):
    """Faint ring around the dial, visible as arcs above and below it.

    Clipped to the dial's columns so it never reaches the value labels
    just left and right of the dial.
    """
    x, y, w, h = DIAL_AREA
    cx, cy = x + w / 2.0, y + h / 2.0
    glow = sk.AALayer(canvas.size)
    for r, a in ((190, 6), (182, 9), (176, 12)):
        glow.circle(cx, cy, r, fill=sk.ACCENT + (a,))
    glow.ring(cx, cy, 171, 1.2, sk.ACCENT + (80,))
    glow.ring(cx, cy, 178, 1.0, (255, 255, 255, 18))
    for deg in range(0, 360, 6):
        a = sk.polar(cx, cy, 183, deg)
        b = sk.polar(cx, cy, 187 if deg % 30 else 191, deg)
        glow.line([a, b], fill=sk.ACCENT + (70 if deg % 30 else 110,),
                  width=1.0)
    halo = glow.result()
    clip = Image.new("L", canvas.size, 0)
    ImageDraw.Draw(clip).rectangle((x, 0, x + w - 1, canvas.size[1] - 1),
                                   fill=255)
    halo.putalpha(ImageChops.multiply(halo.getchannel("A"), clip))
    canvas.alpha_composite(halo)


def _graph_block(canvas, rect, caption, max_at, min_at, cur_at):
    sk.inset_panel(canvas, rect, grid_rows=4, grid_cols=6)
    x, y, w, h = rect
    cap_y = max_at[1]
    # Caption with a small accent bar in front of it.
    d = ImageDraw.Draw(canvas)
    d.rectangle((x - 1, cap_y + 2, x + 1, cap_y + 11), fill=sk.ACCENT + (255,))
    sk.draw_text(canvas, (x + 8, cap_y), caption, sk.font(11, "bold"),
                 sk.TEXT_DIM + (255,), tracking=0.6)
    small = sk.font(9, "bold")
    for (lx, ly), word in ((max_at, "MAX"), (min_at, "MIN")):
        sk.draw_text(canvas, (lx - 4, ly + 3), word, small,
                     sk.TEXT_FAINT + (255,), tracking=0.4, anchor="ra")


def main_plain():
    """The untextured body gradient of the main window.

    The dial area is left exactly this colour, so the dial frames can be
    drawn on a crop of it and blend in without a seam.
    """
    return sk.vgradient(MAIN_SIZE, sk.BG_TOP, sk.BG_BOTTOM, ease=0.8)


def draw_main_background():
    w, h = MAIN_SIZE
    plain = main_plain()
    c = plain.copy()
    sk.brushed_texture(c, (0, TITLE_H, w, h), 1, seed=130002)

    # A very quiet dot grid over the body.
    dots = Image.new("RGBA", MAIN_SIZE, (0, 0, 0, 0))
    dd = ImageDraw.Draw(dots)
    for gy in range(TITLE_H + 16, h - 6, 16):
        for gx in range(8, w - 6, 16):
            dd.point((gx, gy), fill=(255, 255, 255, 9))
    c.alpha_composite(dots)

    _title_strip(c)

    # Button row backdrops.
    layer = sk.AALayer(MAIN_SIZE)
    for rect in MAIN_BUTTONS.values():
        _button_backdrop(layer, rect)
    _small_backdrop(layer, MIN_BUTTON)
    _small_backdrop(layer, CLOSE_BUTTON)
    layer.composite(c)

    # Thin separators framing the button row on each side of the dial.
    sk.hfade_line(c, 24, 420, 146, (255, 255, 255), 18, fade=0.2)
    sk.hfade_line(c, 782, 1176, 146, (255, 255, 255), 18, fade=0.2)

    _dial_halo(c)
    dx, dy, dw, dh = DIAL_AREA
    c.paste(plain.crop((dx, dy, dx + dw, dy + dh)), (dx, dy))
    for g in GRAPHS:
        _graph_block(c, *g)

    sk.window_edge(c, MAIN_RADIUS)
    return sk.finish_keyed(c, MAIN_RADIUS)


def _msg_glyph(canvas):
    x, y, w, h = MSG_GLYPH_BOX
    cx, cy = x + w / 2.0, y + h / 2.0
    g = sk.AALayer(canvas.size)
    g.circle(cx, cy, 27, fill=sk.ACCENT + (18,))
    g.circle(cx, cy, 22, fill=(16, 20, 25, 255))
    g.ring(cx, cy, 22, 2.2, sk.ACCENT + (255,))
    # Exclamation mark: a tapered bar and a dot.
    g.polygon([(cx - 3.0, cy - 12), (cx + 3.0, cy - 12), (cx + 1.8, cy + 4),
               (cx - 1.8, cy + 4)], fill=sk.TEXT + (255,))
    g.circle(cx, cy - 12, 3.0, fill=sk.TEXT + (255,))
    g.circle(cx, cy + 10, 2.8, fill=sk.TEXT + (255,))
    g.composite(canvas)


def draw_message_background():
    w, h = MSG_SIZE
    c = sk.vgradient(MSG_SIZE, (29, 32, 38), (17, 19, 23))
    sk.brushed_texture(c, (0, 0, w, h), 1, seed=149001)
    d = ImageDraw.Draw(c)
    # Accent line across the top, just inside the outline.
    sk.hfade_line(c, 12, w - 12, 3, sk.ACCENT, 150, fade=0.35)
    _msg_glyph(c)
    # Button sockets: a dark rim around the sides and bottom of each
    # button, starting at the button's top row so the text area above
    # stays untouched.
    slots = sk.AALayer(MSG_SIZE)
    for bx, by, bw, bh in MSG_BUTTONS:
        slots.rrect((bx - 2, by, bx + bw + 2, by + bh + 2), (bh + 2) / 2,
                    fill=(0, 0, 0, 80), outline=(255, 255, 255, 16))
    slots.composite(c)
    # Faint divider between the glyph and the text area.
    d.line((82, 26, 82, 84), fill=(255, 255, 255, 14))
    sk.window_edge(c, MSG_RADIUS)
    return sk.finish_keyed(c, MSG_RADIUS)


# --------------------------------------------------------------------------
# Icons
# --------------------------------------------------------------------------
ICON = 40   # main-window button icon size


def _glyph_layer():
    return sk.AALayer((ICON, ICON))


def icon_setting():
    L = _glyph_layer()
    c = ICON / 2.0
    L.polygon(sk.gear_outline(c, c, 15.5, 11.8, 8, 0.55),
              fill=sk.GLYPH + (255,))
    L.erase(lambda m: m.circle(c, c, 6.6, fill=(0, 0, 0, 255)))
    L.circle(c, c, 3.2, fill=sk.ACCENT + (255,))
    return [L.result()]


def icon_info():
    L = _glyph_layer()
    c = ICON / 2.0
    L.ring(c, c, 15.5, 2.4, sk.GLYPH + (255,))
    L.circle(c, c - 7.0, 2.4, fill=sk.ACCENT + (255,))
    L.rrect((c - 2.1, c - 2.5, c + 2.1, c + 10.0), 1.2,
            fill=sk.GLYPH + (255,))
    return [L.result()]


def icon_advance():
    L = _glyph_layer()
    c = ICON / 2.0
    cy = c + 3
    # Gauge arc over 240 degrees with tick marks; Pillow arcs run clockwise
    # from 3 o'clock, so 150..390 leaves the gap at the bottom.
    L.arc(c, cy, 15.5, 150, 390, sk.GLYPH + (255,), width=2.4)
    for i in range(7):
        deg = 210 - i * 40
        a = sk.polar(c, cy, 10.6, deg)
        b = sk.polar(c, cy, 8.4, deg)
        L.line([a, b], fill=sk.GLYPH + (200,), width=1.6)
    # The red-line end in accent colour.
    L.arc(c, cy, 15.5, 350, 390, sk.ACCENT + (255,), width=2.4)
    tip = sk.polar(c, cy, 11.5, 35)
    L.line([(c, cy), tip], fill=sk.ACCENT + (255,), width=2.2)
    L.circle(c, cy, 3.0, fill=sk.GLYPH + (255,))
    return [L.result()]


def icon_bios():
    L = _glyph_layer()
    c = ICON / 2.0
    body = 11.0
    L.rrect((c - body, c - body, c + body, c + body), 2.5,
            outline=sk.GLYPH + (255,), width=2.2)
    L.rrect((c - 5, c - 5, c + 5, c + 5), 1.2, fill=sk.ACCENT + (255,))
    for i in range(4):
        off = -6.75 + i * 4.5
        for (x0, y0, x1, y1) in (
                (c + off - 1.1, c - body - 5, c + off + 1.1, c - body),
                (c + off - 1.1, c + body, c + off + 1.1, c + body + 5),
                (c - body - 5, c + off - 1.1, c - body, c + off + 1.1),
                (c + body, c + off - 1.1, c + body + 5, c + off + 1.1)):
            L.rrect((x0, y0, x1, y1), 0.6, fill=sk.GLYPH + (255,))
    return [L.result()]


def icon_help():
    L = _glyph_layer()
    c = ICON / 2.0
    L.ring(c, c, 15.5, 2.4, sk.GLYPH + (255,))
    # Question mark: hook arc, stem, accent dot.
    L.arc(c, c - 4.5, 5.6, 180, 395, sk.GLYPH + (255,), width=2.8)
    hook_end = sk.polar(c, c - 4.5, 4.2, -35)
    L.line([hook_end, (c, c + 1.5), (c, c + 3.5)], fill=sk.GLYPH + (255,),
           width=2.8)
    L.circle(c, c + 8.8, 2.0, fill=sk.ACCENT + (255,))
    return [L.result()]


def icon_led():
    L = _glyph_layer()
    c = ICON / 2.0
    bx, by = c, c - 2.5
    # Bulb glass and base.
    L.circle(bx, by, 9.0, outline=sk.GLYPH + (255,), width=2.2)
    L.erase(lambda m: m.rrect((bx - 5, by + 5.5, bx + 5, by + 12), 0,
                              fill=(0, 0, 0, 255)))
    L.line([(bx - 4.6, by + 7.8), (bx - 4.0, by + 10.5)],
           fill=sk.GLYPH + (255,), width=2.2)
    L.line([(bx + 4.6, by + 7.8), (bx + 4.0, by + 10.5)],
           fill=sk.GLYPH + (255,), width=2.2)
    L.line([(bx - 4.0, by + 10.8), (bx + 4.0, by + 10.8)],
           fill=sk.GLYPH + (255,), width=2.0)
    L.line([(bx - 3.0, by + 14.0), (bx + 3.0, by + 14.0)],
           fill=sk.GLYPH + (255,), width=2.0)
    # Filament in accent colour.
    L.line([(bx - 3.2, by + 3.0), (bx - 1.6, by - 1.5), (bx, by + 1.5),
            (bx + 1.6, by - 1.5), (bx + 3.2, by + 3.0)],
           fill=sk.ACCENT + (255,), width=1.6)
    # Three short rays in red, green and blue for the lighting theme.
    for deg, col in ((150, (255, 80, 96)), (90, (70, 230, 120)),
                     (30, (80, 150, 255))):
        a = sk.polar(bx, by, 12.3, deg)
        b = sk.polar(bx, by, 16.0, deg)
        L.line([a, b], fill=col + (255,), width=2.0)
    return [L.result()]


def icon_min():
    im = Image.new("RGBA", (18, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    # Pixel-drawn so the tiny bar stays sharp.
    d.rectangle((5, 10, 12, 11), fill=sk.GLYPH + (255,))
    return [im]


def icon_close():
    L = sk.AALayer((18, 16))
    for (a, b) in (((5.2, 4.2), (12.8, 11.8)), ((12.8, 4.2), (5.2, 11.8))):
        L.line([a, b], fill=sk.GLYPH + (255,), width=1.7)
    return [L.result()]


BTN_SIZE = (72, 26)


def _pill_button(label, hover):
    w, h = BTN_SIZE
    L = sk.AALayer(BTN_SIZE)
    r = h / 2.0
    if hover:
        body = sk.gradient_fill(
            BTN_SIZE, lambda m: m.rrect((0.5, 0.5, w - 0.5, h - 0.5), r - 0.5,
                                        fill=(255, 255, 255, 255)),
            (40, 226, 255), (0, 150, 196))
        L.rrect((0.5, 0.5, w - 0.5, h - 0.5), r - 0.5,
                outline=(190, 245, 255, 255), width=1.0)
        text_col = (8, 22, 30, 255)
    else:
        body = sk.gradient_fill(
            BTN_SIZE, lambda m: m.rrect((0.5, 0.5, w - 0.5, h - 0.5), r - 0.5,
                                        fill=(255, 255, 255, 255)),
            (44, 50, 59), (26, 30, 36))
        L.rrect((0.5, 0.5, w - 0.5, h - 0.5), r - 0.5,
                outline=sk.ACCENT + (200,), width=1.0)
        text_col = sk.TEXT + (255,)
    im = Image.new("RGBA", BTN_SIZE, (0, 0, 0, 0))
    im.alpha_composite(body)
    # Top sheen.
    sheen = sk.gradient_fill(
        BTN_SIZE, lambda m: m.rrect((2, 1.5, w - 2, h / 2.0), r - 2,
                                    fill=(255, 255, 255, 255)),
        (255, 255, 255), (255, 255, 255))
    sheen.putalpha(sheen.getchannel("A").point(
        lambda v: v * (46 if hover else 18) // 255))
    im.alpha_composite(sheen)
    L.composite(im)
    # Text drawn at final size for crisp glyphs.
    sk.draw_text(im, (w / 2.0, h / 2.0), label, sk.font(12, "bold"),
                 text_col, tracking=0.5, anchor="mm")
    return [im]


def icon_app():
    return [sk.emblem(s) for s in (16, 32, 48, 256)]


# --------------------------------------------------------------------------
# Pictures that need another picture: drawn once per run.
# --------------------------------------------------------------------------
class Rle8:
    """An output saved as an 8-bit run-length encoded BMP; `exact` colours
    (a window's key) keep exactly their pixels."""

    def __init__(self, image, exact=(), frequent=True):
        self.image = image
        self.exact = exact
        self.frequent = frequent


def _rle8(fn, exact=(sk.KEY,)):
    """A flat panel picture: few colours, long runs, so it is stored small."""
    return lambda: Rle8(fn(), exact)


_memo = {}


def _once(key, fn):
    if key not in _memo:
        _memo[key] = fn()
    return _memo[key]


def _main_bg():
    return _once("main", draw_main_background)


def _dial_frames():
    return _once("dial", lambda: dial.dial_frames(main_plain(), DIAL_AREA))


def _dial_frame(frame):
    return lambda: Rle8(_dial_frames()[frame], frequent=False)


def _dial_overlay():
    # The plate's corners continue the frame it is drawn on.
    base = _dial_frames()[dial.FIRST]
    x, y = dial.OVERLAY_AT
    w, h = dial.OVERLAY_SIZE
    plate = base.crop((x, y, x + w, y + h)).convert("RGBA")
    plate.alpha_composite(dial.draw_overlay().convert("RGBA"))
    return plate.convert("RGB")


# --------------------------------------------------------------------------
# Output table: relative path -> function.  BMP rows return an RGB image,
# ICO rows a list of RGBA images.
# --------------------------------------------------------------------------
OUTPUTS = [
    ("bitmaps/130.bmp", draw_main_background),
    ("bitmaps/149.bmp", draw_message_background),
    ("app.ico", icon_app),
    ("icons/Setting.ICO", icon_setting),
    ("icons/Info.ICO", icon_info),
    ("icons/Advance.ICO", icon_advance),
    ("icons/Bios.ICO", icon_bios),
    ("icons/Help.ICO", icon_help),
    ("icons/Led.ICO", icon_led),
    ("icons/Min.ICO", icon_min),
    ("icons/CloseX.ICO", icon_close),
    ("icons/Yes.ico", lambda: _pill_button("OK", False)),
    ("icons/YesH.ico", lambda: _pill_button("OK", True)),
    ("icons/No.ico", lambda: _pill_button("Cancel", False)),
    ("icons/NoH.ico", lambda: _pill_button("Cancel", True)),
    ("bitmaps/134.bmp", _rle8(panels.draw_setting_background)),
    ("bitmaps/136.bmp", _rle8(panels.draw_info_background, (panels.INFO_KEY,))),
    ("bitmaps/138.bmp", _rle8(panels.draw_bios_background)),
    ("bitmaps/140.bmp", _rle8(panels.draw_help_background)),
    ("bitmaps/142.bmp", lambda: panels.draw_led_background(_main_bg())),
    ("bitmaps/143.bmp", _rle8(panels.draw_advance_background)),
    ("bitmaps/145.bmp", panels.draw_slider_channel),
    ("bitmaps/146.bmp", panels.draw_slider_active),
    ("bitmaps/147.bmp", panels.draw_edit_pattern),
    ("bitmaps/148.bmp", panels.draw_slider_unavailable),
    ("bitmaps/151.bmp", _rle8(panels.draw_fan_background)),
    ("bitmaps/152.bmp", _rle8(panels.draw_fan_grid, ())),
    ("bitmaps/153.bmp", lambda: panels.draw_led_illum_background(_main_bg())),
    ("bitmaps/1450.bmp", _dial_overlay),
] + [("bitmaps/%d.bmp" % f, _dial_frame(f))
     for f in range(dial.FIRST, dial.LAST + 1)] + panels.panel_icons()


# Button icons are drawn over the crop of the picture they sit on, so each icon
# is opaque and continues its window's background seamlessly: the button paints
# its face colour first, and a see-through icon would show that face around the
# glyph.
def _placements():
    placed = {}
    for name, rect in MAIN_BUTTONS.items():
        placed["icons/%s.ICO" % name] = (draw_main_background, rect)
    placed["icons/Min.ICO"] = (draw_main_background, MIN_BUTTON)
    placed["icons/CloseX.ICO"] = (draw_main_background, CLOSE_BUTTON)
    for name, rect in (("Yes", MSG_BUTTONS[0]), ("No", MSG_BUTTONS[1])):
        for suffix in ("", "H"):
            placed["icons/%s%s.ico" % (name, suffix)] = (draw_message_background, rect)
    return placed


PLACEMENTS = _placements()


def _place_on_background(images, background, rect):
    x, y, w, h = rect
    crop = background.crop((x, y, x + w, y + h)).convert("RGBA")
    placed = []
    for im in images:
        if im.size != (w, h):
            raise ValueError("icon of %s does not fit its button %s" % (im.size, rect))
        tile = crop.copy()
        tile.alpha_composite(im)
        placed.append(tile)
    return placed


def _save(result, path):
    ext = os.path.splitext(path)[1].lower()
    if isinstance(result, Rle8):
        with open(path, "wb") as f:
            f.write(sk.rle8_bmp_bytes(result.image, result.exact, result.frequent))
    elif ext == ".bmp":
        if result.mode != "RGB":
            raise ValueError("%s: backgrounds must be RGB" % path)
        result.save(path, "BMP")
    elif ext == ".ico":
        sk.write_ico(path, result)
    else:
        raise ValueError("unknown output type: %s" % path)


def _preview(path, rel, preview_dir):
    """PNG copy of an output; icons are enlarged on the window colour."""
    name = rel.replace("/", "_").rsplit(".", 1)[0] + ".png"
    dest = os.path.join(preview_dir, name)
    if rel.lower().endswith(".bmp"):
        Image.open(path).save(dest, "PNG")
        return
    with open(path, "rb") as f:
        images = sk.read_ico(f.read())
    pad = 8
    scale = 1 if max(images[-1].size) > 64 else 4
    tiles = [im.resize((im.size[0] * scale, im.size[1] * scale),
                       Image.NEAREST) for im in images]
    total_w = sum(t.size[0] for t in tiles) + pad * (len(tiles) + 1)
    total_h = max(t.size[1] for t in tiles) + 2 * pad
    sheet = Image.new("RGBA", (total_w, total_h), sk.BG_TOP + (255,))
    x = pad
    for t in tiles:
        sheet.alpha_composite(t, (x, pad))
        x += t.size[0] + pad
    sheet.convert("RGB").save(dest, "PNG")


def generate(out_dir, preview_dir=None):
    """Write every output below out_dir; returns the list of paths."""
    _memo.clear()
    written = []
    backgrounds = {}
    for rel, fn in OUTPUTS:
        path = os.path.join(out_dir, *rel.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        result = fn()
        if rel in PLACEMENTS:
            draw_bg, rect = PLACEMENTS[rel]
            if draw_bg not in backgrounds:
                backgrounds[draw_bg] = (_main_bg() if draw_bg is draw_main_background
                                        else draw_bg())
            result = _place_on_background(result, backgrounds[draw_bg], rect)
        _save(result, path)
        written.append(path)
        if preview_dir:
            os.makedirs(preview_dir, exist_ok=True)
            _preview(path, rel, preview_dir)
    return written


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", required=True, help="output folder")
    ap.add_argument("--preview", help="also write PNG previews here")
    args = ap.parse_args(argv)
    for p in generate(args.out, args.preview):
        print(os.path.relpath(p, args.out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
