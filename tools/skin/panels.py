"""The child panels of Pyrelix: backgrounds, slider and edit pictures, the
fan-curve grid and the icons of the panels' buttons.

Every panel shares one look: a flat charcoal body (BODY), a title strip
with the panel's name, an accent line under it, captions in the palette of
skinlib, and a hard-edged rounded outline cut by the key colour.

The panels' icon buttons sit on the flat body, so their icons are opaque
and carry BODY in their corners: the button paints its face colour first,
and an icon with see-through corners would show that face around it.

Layout rectangles (x, y, w, h) are client pixels where the program places
its controls.
"""

import math

from PIL import Image, ImageDraw

import skinlib as sk

BODY = (21, 24, 29)
TITLE_H = 26
RADIUS = 10
INFO_KEY = (77, 0, 85)   # the information panel's key colour

# --------------------------------------------------------------------------
# Layouts the program uses (controls placed at these spots).
# --------------------------------------------------------------------------
SETTING_SIZE = (385, 263)
SETTING_CHECKS = [(15, 32, 16, 16), (15, 62, 16, 16), (15, 92, 16, 16),
                  (15, 122, 16, 16)]
SETTING_COMBO = (260, 122, 80, 20)
SETTING_BUTTONS = [(200, 220, 64, 22), (280, 220, 64, 22)]

INFO_SIZE = (324, 325)
INFO_VALUES = [(85, 48, 150, 16), (85, 78, 150, 16), (85, 106, 150, 16),
               (85, 135, 150, 16), (85, 162, 200, 16), (85, 190, 150, 16)]
INFO_PAIRS = [(80, 218), (227, 218), (80, 242), (227, 242), (80, 266),
              (227, 266)]
INFO_CLOSE = (225, 295, 64, 22)
INFO_VERSION = (20, 295, 200, 20)

BIOS_SIZE = (386, 281)
BIOS_BUTTONS = [(80, 60, 78, 26), (80, 100, 78, 26)]
BIOS_CLOSE = (280, 240, 64, 22)

HELP_SIZE = (627, 461)
HELP_TEXT = (20, 45, 600, 350)
HELP_LINK = (25, 415, 200, 20)
HELP_CLOSE = (520, 415, 64, 22)

LED_SIZE = (627, 461)
LED_CLOSE = (595, 15, 18, 16)
LED_MODES = [("Static", 85), ("Strobe", 152), ("Breath", 217),
             ("Cycle", 283), ("Wave", 348)]
LED_BUTTONS_Y = 410
LED_BUTTON_X = [100, 180, 260, 340, 420]
# Per background: wheel centre, readout x, entry field x.
LED_BOARD = {"centre": (425, 207), "readout_x": 550,
             "entries_x": (315, 439, 555)}
LED_ILLUM = {"centre": (285, 203), "readout_x": 420,
             "entries_x": (200, 345, 460)}
LED_READOUT_Y = (165, 195, 225)
LED_ENTRY_Y = 348
WHEEL_RADIUS = 105

ADV_SIZE = (659, 600)
# Caption, unit shown right of the edit, row y.
ADV_ROWS = [
    ("Core clock offset", "MHz", 32),
    ("Over voltage", None, 95),          # the program prints mv or %
    ("Memory clock offset", "MHz", 164),
    ("Frame rate limit", "fps", 226),
    ("Power limit", "%", 288),
    ("Temperature target", "\u00b0C", 344),
    ("Fan speed", "%", 410),
    ("Display pixel clock", "10kHz", 494),
]
SLIDER_X = 189
SLIDER_SIZE = (320, 12)   # from just right of "-" (172 + 10) to just left of "+" (512)
EDIT_X = 537
EDIT_PATTERN_SIZE = (53, 16)

FAN_SIZE = (660, 599)
FAN_GRID = (120, 84, 430, 430)
FAN_BUTTONS = [(365, 555, 64, 22), (437, 555, 64, 22), (509, 555, 64, 22)]
GRID_SIZE = (430, 430)


# --------------------------------------------------------------------------
# Common panel pieces
# --------------------------------------------------------------------------
def panel_canvas(size, title):
    """Flat body, title strip with the panel's name and an accent line."""
    w, h = size
    c = Image.new("RGBA", size, BODY + (255,))
    strip = sk.vgradient((w, TITLE_H), sk.TITLE_TOP, sk.TITLE_BOTTOM)
    c.alpha_composite(strip, (0, 0))
    mark = sk.AALayer(size)
    mark.polygon([(12, 8), (18, 8), (15, 18), (9, 18)], fill=sk.ACCENT + (255,))
    mark.composite(c)
    sk.draw_text(c, (24, 6), title, sk.font(12, "bold"), sk.TEXT + (255,),
                 tracking=1.2)
    d = ImageDraw.Draw(c)
    d.line((1, TITLE_H - 1, w - 2, TITLE_H - 1), fill=(8, 9, 11, 255))
    sk.hfade_line(c, 2, w - 2, TITLE_H, sk.ACCENT, 120, fade=0.4)
    return c


def finish_panel(canvas, key=sk.KEY):
    sk.window_edge(canvas, RADIUS)
    return sk.finish_keyed(canvas, RADIUS, key)


def caption(canvas, xy, text, size=11, colour=sk.TEXT_DIM, anchor="la",
            style="bold", tracking=0.3):
    sk.draw_text(canvas, xy, text, sk.font(size, style), colour + (255,),
                 tracking=tracking, anchor=anchor)


def divider(canvas, x0, x1, y):
    sk.hfade_line(canvas, x0, x1, y, (255, 255, 255), 20, fade=0.15)


def plain_box(canvas, rect, fill=sk.PANEL_FILL):
    """A dark inset where the program writes text."""
    sk.inset_panel(canvas, rect, fill=fill, brackets=False)


def field_box(canvas, rect):
    """A slot behind a value the program prints: darker than the body."""
    x, y, w, h = rect
    d = ImageDraw.Draw(canvas)
    d.rectangle((x - 3, y - 1, x + w, y + h), fill=(14, 16, 20, 255))
    d.line((x - 3, y + h, x + w, y + h), fill=sk.ACCENT_DEEP + (255,))


# --------------------------------------------------------------------------
# Backgrounds
# --------------------------------------------------------------------------
def draw_setting_background():
    c = panel_canvas(SETTING_SIZE, "SETTINGS")
    labels = ["Start with Windows", "Start minimised to the tray",
              "Overclock at start-up", "Window transparency"]
    for (x, y, w, h), text in zip(SETTING_CHECKS, labels):
        caption(c, (x + w + 12, y + 1), text, 12, sk.TEXT)
    cx, cy, cw, ch = SETTING_COMBO
    caption(c, (cx - 8, cy + 3), "Opacity", 10, sk.TEXT_FAINT, anchor="ra")
    divider(c, 14, SETTING_SIZE[0] - 14, 160)
    notes = ["Options are kept per card in the file beside the program.",
             "Start-up overclock re-applies the last profile."]
    for i, text in enumerate(notes):
        caption(c, (16, 172 + 16 * i), text, 10, sk.TEXT_FAINT, style="regular",
                tracking=0)
    return finish_panel(c)


def draw_info_background():
    c = panel_canvas(INFO_SIZE, "GPU INFORMATION")
    names = ["GPU", "Driver", "BIOS", "Cores", "Memory", "Bus"]
    for (x, y, w, h), name in zip(INFO_VALUES, names):
        caption(c, (x - 10, y + 2), name, 11, sk.TEXT_DIM, anchor="ra")
        field_box(c, (x, y, min(w, INFO_SIZE[0] - x - 12), h))
    pair_names = ["Base", "Boost", "Vendor", "Device", "Sub ven", "Sub ID"]
    for (x, y), name in zip(INFO_PAIRS, pair_names):
        caption(c, (x - 6, y + 2), name, 10, sk.TEXT_DIM, anchor="ra")
        field_box(c, (x, y, 32, 16))
    for x, y in INFO_PAIRS[:2]:
        caption(c, (x + 35, y + 3), "MHz", 10, sk.TEXT_FAINT)
    divider(c, 12, INFO_SIZE[0] - 12, 288)
    return finish_panel(c, INFO_KEY)


def draw_bios_background():
    c = panel_canvas(BIOS_SIZE, "VIDEO BIOS")
    notes = ["Save the card's BIOS to a file", "Flash a BIOS file onto the card"]
    for (x, y, w, h), text in zip(BIOS_BUTTONS, notes):
        caption(c, (x + w + 14, y + 6), text, 11, sk.TEXT)
    caption(c, (80, 36), "BIOS TOOLS", 10, sk.TEXT_FAINT, tracking=1.0)
    box = (24, 148, BIOS_SIZE[0] - 48, 70)
    plain_box(c, box)
    ImageDraw.Draw(c).rectangle((box[0] + 1, box[1] + 1, box[0] + 3,
                                 box[1] + box[3] - 2),
                                fill=(255, 170, 40, 255))
    warn = ["A wrong BIOS can leave the card unusable.",
            "The flashing tool goes in the BIOS folder",
            "beside the program."]
    for i, text in enumerate(warn):
        caption(c, (box[0] + 14, box[1] + 10 + 18 * i), text, 11,
                sk.TEXT_DIM if i else (255, 200, 120), style="regular",
                tracking=0)
    return finish_panel(c)


def draw_help_background():
    c = panel_canvas(HELP_SIZE, "HELP")
    x, y, w, h = HELP_TEXT
    plain_box(c, (x - 4, y - 4, w + 8, h + 8))
    lx, ly, lw, lh = HELP_LINK
    caption(c, (lx - 2, ly - 14), "WEB PAGE", 9, sk.TEXT_FAINT, tracking=1.0)
    return finish_panel(c)


def colour_wheel(radius):
    """RGBA image of a colour wheel: hue by angle, saturation from white at
    the centre to full at the rim, full value.  Only pixels whose centre is
    inside the circle are set, with no blend against the background, so
    every pixel the panel can pick is a wheel colour."""
    size = 2 * radius + 1
    im = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    px = im.load()
    for y in range(size):
        dy = y - radius
        for x in range(size):
            dx = x - radius
            dist = math.hypot(dx, dy)
            if dist > radius:
                continue
            hue = (math.degrees(math.atan2(-dy, dx)) % 360.0) / 60.0
            sat = min(1.0, dist / radius)
            i = int(hue) % 6
            f = hue - int(hue)
            p, q, t = 1 - sat, 1 - sat * f, 1 - sat * (1 - f)
            r, g, b = [(1, t, p), (q, 1, p), (p, 1, t), (p, q, 1), (t, p, 1),
                       (1, p, q)][i]
            px[x, y] = (int(round(r * 255)), int(round(g * 255)),
                        int(round(b * 255)), 255)
    return im


def _led_background(layout, with_modes, title):
    c = panel_canvas(LED_SIZE, title)
    # Close button backdrop: the close icon is the main window's, so the spot
    # carries the main window's colour there.
    x, y, w, h = LED_CLOSE
    layer = sk.AALayer(LED_SIZE)
    layer.rrect((x - 2, y - 2, x + w + 2, y + h + 2), 4,
                fill=(255, 255, 255, 10), outline=(255, 255, 255, 24))
    layer.composite(c)
    if with_modes:
        caption(c, (50, 58), "EFFECT", 10, sk.TEXT_FAINT, tracking=1.0)
        for name, my in LED_MODES:
            caption(c, (86, my + 3), name, 12, sk.TEXT)
    cx, cy = layout["centre"]
    r = WHEEL_RADIUS
    ring = sk.AALayer(LED_SIZE)
    ring.circle(cx + 0.5, cy + 0.5, r + 7, fill=(0, 0, 0, 90))
    ring.ring(cx + 0.5, cy + 0.5, r + 4, 1.2, sk.ACCENT + (120,))
    ring.composite(c)
    c.alpha_composite(colour_wheel(r), (cx - r, cy - r))
    caption(c, (cx, cy + r + 12), "CLICK A COLOUR", 9, sk.TEXT_FAINT,
            anchor="ma", tracking=1.0)
    rx = layout["readout_x"]
    for name, ry in zip("RGB", LED_READOUT_Y):
        # The letter sits at the right end of the field: the wheel's rim is
        # close on the left and the value is printed from the left edge.
        field_box(c, (rx, ry, 64, 22))
        caption(c, (rx + 58, ry + 5), name, 10, sk.TEXT_FAINT, anchor="ra")
    for name, ex in zip(("Red", "Green", "Blue"), layout["entries_x"]):
        caption(c, (ex - 6, LED_ENTRY_Y + 6), name, 10, sk.TEXT_DIM,
                anchor="ra")
    divider(c, 20, LED_SIZE[0] - 20, LED_BUTTONS_Y - 14)
    return c


def draw_led_background(main_background):
    c = _led_background(LED_BOARD, True, "LIGHTING")
    _paste_close(c, main_background)
    return finish_panel(c)


def draw_led_illum_background(main_background):
    c = _led_background(LED_ILLUM, False, "LIGHTING")
    _paste_close(c, main_background)
    return finish_panel(c)


def _paste_close(canvas, main_background, main_close=(1135, 90)):
    """The close icon carries the main window's pixels; put the same pixels
    under it here so the icon sits seamlessly."""
    x, y, w, h = LED_CLOSE
    mx, my = main_close
    canvas.paste(main_background.crop((mx, my, mx + w, my + h)).convert("RGBA"),
                 (x, y))


def draw_advance_background():
    w, h = ADV_SIZE
    c = panel_canvas(ADV_SIZE, "OVERCLOCK")
    for i, (name, unit, y) in enumerate(ADV_ROWS):
        caption(c, (20, y - 1), name, 12, sk.TEXT)
        # Track bed under the slider, a touch wider than the slider picture.
        bed = ImageDraw.Draw(c)
        bed.rectangle((182, y - 4, 511, y + SLIDER_SIZE[1] + 3),
                      fill=(16, 18, 22, 255))
        if unit:
            # Short of the toggle buttons at x 610.
            caption(c, (EDIT_X + 38, y), unit, 10 if len(unit) < 4 else 9,
                    sk.TEXT_FAINT)
        if i + 1 < len(ADV_ROWS):
            nxt = ADV_ROWS[i + 1][2]
            divider(c, 16, w - 16, (y + nxt) // 2 + 6)
    caption(c, (EDIT_X - 6, 51), "Boost", 10, sk.TEXT_FAINT, anchor="ra")
    caption(c, (EDIT_X + 30, 51), "MHz", 10, sk.TEXT_FAINT)
    caption(c, (424, 434), "Fan mode", 10, sk.TEXT_FAINT, anchor="ra")
    divider(c, 16, w - 16, 520)
    return finish_panel(c)


def draw_fan_background():
    w, h = FAN_SIZE
    c = panel_canvas(FAN_SIZE, "FAN CURVE")
    gx, gy, gw, gh = FAN_GRID
    sk.inset_panel(c, (gx - 1, gy - 1, gw + 2, gh + 2), brackets=True)
    caption(c, (gx, 50), "Click a column to set its fan level; Apply "
            "hands the curve to the fans.", 11, sk.TEXT_DIM, style="regular",
            tracking=0)
    small = 10
    for i in range(11):
        level = i * 10
        y = gy + gh - round(gh * i / 10)
        caption(c, (gx - 8, y - 6), "%d" % level, small, sk.TEXT_DIM,
                anchor="ra")
        x = gx + round(gw * i / 10)
        caption(c, (x, gy + gh + 6), "%d" % level, small, sk.TEXT_DIM,
                anchor="ma")
    # Axis titles.
    caption(c, (gx + gw / 2.0, gy + gh + 22), "TEMPERATURE (\u00b0C)", 11,
            sk.TEXT, anchor="ma", tracking=1.0)
    title = Image.new("RGBA", (200, 16), (0, 0, 0, 0))
    sk.draw_text(title, (100, 1), "FAN LEVEL (%)", sk.font(11, "bold"),
                 sk.TEXT + (255,), tracking=1.0, anchor="ma")
    title = title.rotate(90, expand=True)
    c.alpha_composite(title, (40, gy + gh // 2 - 100))
    return finish_panel(c)


def draw_fan_grid():
    w, h = GRID_SIZE
    c = Image.new("RGB", GRID_SIZE, (10, 13, 17))
    d = ImageDraw.Draw(c)
    for i in range(11):
        p = round(w * i / 10) if i < 10 else w - 1
        col = (36, 46, 56) if i not in (0, 10) else (52, 62, 72)
        if i == 5:
            col = (30, 62, 74)
        d.line((p, 0, p, h - 1), fill=col)
        q = round(h * i / 10) if i < 10 else h - 1
        d.line((0, q, w - 1, q), fill=col)
    # Faint minor lines at half cells.
    for i in range(10):
        p = round(w * (i + 0.5) / 10)
        for y in range(0, h, 4):
            d.point((p, y), fill=(22, 28, 34))
        for x in range(0, w, 4):
            d.point((x, p), fill=(22, 28, 34))
    return c


# --------------------------------------------------------------------------
# Slider and edit pictures
# --------------------------------------------------------------------------
def _track(fill_fn, outline):
    """Slider picture: a rounded track on the body colour.  fill_fn(layer,
    box) fills the inside."""
    w, h = SLIDER_SIZE
    c = Image.new("RGBA", SLIDER_SIZE, BODY + (255,))
    box = (0.5, 1.5, w - 0.5, h - 1.5)
    fill_fn(c, box)
    edge = sk.AALayer(SLIDER_SIZE)
    edge.rrect(box, (h - 3) / 2.0, outline=outline + (255,), width=1.0)
    edge.composite(c)
    return c.convert("RGB")


def _ticks(canvas, colour):
    w, h = SLIDER_SIZE
    d = ImageDraw.Draw(canvas)
    for i in range(1, 10):
        x = round(w * i / 10)
        d.line((x, 4, x, h - 5), fill=colour + (255,))


def draw_slider_channel():
    def fill(c, box):
        body = sk.gradient_fill(
            SLIDER_SIZE, lambda m: m.rrect(box, (box[3] - box[1]) / 2.0,
                                           fill=(255, 255, 255, 255)),
            (6, 8, 10), (14, 17, 21))
        c.alpha_composite(body)
        _ticks(c, (34, 40, 48))
    return _track(fill, sk.PANEL_BORDER)


def draw_slider_active():
    w, h = SLIDER_SIZE

    def fill(c, box):
        mask = sk.AALayer(SLIDER_SIZE)
        mask.rrect(box, (box[3] - box[1]) / 2.0, fill=(255, 255, 255, 255))
        alpha = mask.result().getchannel("A")
        # Brighter towards the right, with a light top sheen.
        grad = Image.new("RGBA", SLIDER_SIZE)
        px = grad.load()
        for x in range(w):
            t = x / (w - 1)
            base = sk.mix(sk.ACCENT_DEEP, sk.ACCENT, 0.35 + 0.65 * t)
            for y in range(h):
                k = 1.0 + (0.25 if y <= h // 2 - 1 else -0.1)
                px[x, y] = tuple(min(255, int(v * k)) for v in base) + (255,)
        grad.putalpha(alpha)
        c.alpha_composite(grad)
    return _track(fill, (120, 232, 255))


def draw_slider_unavailable():
    w, h = SLIDER_SIZE

    def fill(c, box):
        body = sk.gradient_fill(
            SLIDER_SIZE, lambda m: m.rrect(box, (box[3] - box[1]) / 2.0,
                                           fill=(255, 255, 255, 255)),
            (26, 28, 32), (22, 24, 28))
        hatch = Image.new("RGBA", SLIDER_SIZE, (0, 0, 0, 0))
        d = ImageDraw.Draw(hatch)
        for x in range(-h, w, 6):
            d.line((x, h, x + h, 0), fill=(60, 64, 70, 255), width=1)
        hatch.putalpha(Image.composite(hatch.getchannel("A"),
                                       Image.new("L", SLIDER_SIZE, 0),
                                       body.getchannel("A")))
        c.alpha_composite(body)
        c.alpha_composite(hatch)
    return _track(fill, (50, 54, 60))


def draw_edit_pattern():
    w, h = EDIT_PATTERN_SIZE
    c = sk.vgradient(EDIT_PATTERN_SIZE, (6, 8, 11), (13, 16, 20))
    d = ImageDraw.Draw(c)
    d.line((0, h - 1, w - 1, h - 1), fill=sk.ACCENT_DEEP + (255,))
    return c.convert("RGB")


# --------------------------------------------------------------------------
# Icons of the panels (opaque, on BODY)
# --------------------------------------------------------------------------
def _on_body(im):
    # Drop the faint ringing the downscaling leaves outside the shapes, so
    # the icon's edge pixels are the body itself.
    alpha = im.getchannel("A").point(lambda v: 0 if v < 8 else v)
    im = im.copy()
    im.putalpha(alpha)
    tile = Image.new("RGBA", im.size, BODY + (255,))
    tile.alpha_composite(im)
    return [tile]


def pill(size, label, look, radius=None):
    """A rounded button face with a caption.

    look: "normal" (dark face, accent rim), "hover"/"lit" (cyan face, dark
    text), "un" (unavailable: dim rim and text), "on" (dark face, cyan
    caption and rim: the selected choice).
    """
    w, h = size
    r = radius if radius is not None else h / 2.0
    box = (0.5, 0.5, w - 0.5, h - 0.5)

    def shape(m):
        m.rrect(box, r - 0.5, fill=(255, 255, 255, 255))

    if look in ("hover", "lit"):
        face = sk.gradient_fill(size, shape, (40, 226, 255), (0, 150, 196))
        rim, text = (190, 245, 255), (8, 22, 30)
        sheen = 46
    elif look == "un":
        face = sk.gradient_fill(size, shape, (30, 33, 38), (24, 27, 31))
        rim, text = (58, 64, 72), sk.TEXT_FAINT
        sheen = 8
    elif look == "on":
        face = sk.gradient_fill(size, shape, (20, 52, 64), (10, 30, 40))
        rim, text = sk.ACCENT, sk.ACCENT
        sheen = 14
    else:
        face = sk.gradient_fill(size, shape, (44, 50, 59), (26, 30, 36))
        rim, text = sk.ACCENT_DIM, sk.TEXT
        sheen = 18
    im = Image.new("RGBA", size, (0, 0, 0, 0))
    im.alpha_composite(face)
    shine = sk.gradient_fill(
        size, lambda m: m.rrect((2, 1.5, w - 2, h / 2.0), max(0.5, r - 2),
                                fill=(255, 255, 255, 255)),
        (255, 255, 255), (255, 255, 255))
    shine.putalpha(shine.getchannel("A").point(lambda v: v * sheen // 255))
    im.alpha_composite(shine)
    L = sk.AALayer(size)
    L.rrect(box, r - 0.5, outline=rim + (255,), width=1.0)
    L.composite(im)
    if label:
        fsize = 12 if h >= 22 else 11
        fnt = sk.font(fsize, "bold")
        while sk.text_width(label, fnt, 0.3) > w - 8 and fsize > 8:
            fsize -= 1
            fnt = sk.font(fsize, "bold")
        sk.draw_text(im, (w / 2.0, h / 2.0), label, fnt, text + (255,),
                     tracking=0.3, anchor="mm")
    return im


def icon_pill(size, label, look):
    return lambda: _on_body(pill(size, label, look))


def icon_number(n, lit):
    """Square GPU / profile button with its number."""
    return lambda: _on_body(pill((24, 26), str(n), "lit" if lit else "normal",
                                 radius=5))


def icon_switch(on):
    """The toggle of a guarded setting: a small switch, lit when on."""
    def draw():
        size = (24, 26)
        L = sk.AALayer(size)
        body = (4, 7, 20, 19)
        if on:
            L.rrect(body, 6, fill=(0, 120, 156, 255),
                    outline=sk.ACCENT + (255,), width=1.0)
            L.circle(14, 13, 4.2, fill=(235, 252, 255, 255))
        else:
            L.rrect(body, 6, fill=(30, 34, 40, 255),
                    outline=(70, 78, 88, 255), width=1.0)
            L.circle(10, 13, 4.2, fill=(110, 118, 128, 255))
        return _on_body(L.result())
    return draw


def icon_step(plus, available):
    """The 10 x 16 "+" / "-" of a slider."""
    def draw():
        im = Image.new("RGBA", (10, 16), (0, 0, 0, 0))
        d = ImageDraw.Draw(im)
        col = (sk.ACCENT if available else (70, 76, 84)) + (255,)
        d.rectangle((1, 7, 8, 8), fill=col)
        if plus:
            d.rectangle((4, 4, 5, 11), fill=col)
        return _on_body(im)
    return draw


def icon_lock(locked, hover):
    """The 12 x 16 link of power and temperature: a padlock."""
    def draw():
        size = (12, 16)
        L = sk.AALayer(size)
        col = ((120, 232, 255) if hover else sk.ACCENT) if locked else \
            ((200, 206, 214) if hover else (120, 128, 138))
        L.rrect((1.5, 7, 10.5, 14.5), 1.5, fill=col + (255,))
        if locked:
            L.arc(6, 7, 3.6, 180, 360, col + (255,), width=1.6)
            L.line([(2.4, 7), (2.4, 6.8)], fill=col + (255,), width=1.6)
            L.line([(9.6, 7), (9.6, 6.8)], fill=col + (255,), width=1.6)
        else:
            L.arc(6, 5.2, 3.6, 180, 360, col + (255,), width=1.6)
            L.line([(9.6, 5.2), (9.6, 7)], fill=col + (255,), width=1.6)
        L.circle(6, 10.6, 1.2, fill=BODY + (255,))
        return _on_body(L.result())
    return draw


def icon_check(checked):
    """16 x 16 check box of the settings panel and the All toggle."""
    def draw():
        size = (16, 16)
        L = sk.AALayer(size)
        if checked:
            L.rrect((1, 1, 15, 15), 3, fill=(0, 150, 196, 255),
                    outline=sk.ACCENT + (255,), width=1.0)
            L.line([(4.2, 8.2), (7, 11), (12, 5)], fill=(240, 252, 255, 255),
                   width=1.8)
        else:
            L.rrect((1, 1, 15, 15), 3, fill=(12, 14, 18, 255),
                    outline=(96, 106, 118, 255), width=1.0)
        return _on_body(L.result())
    return draw


def icon_radio(selected):
    """24 x 20 choice mark of the lighting effects."""
    def draw():
        size = (24, 20)
        L = sk.AALayer(size)
        L.circle(12, 10, 7.5, fill=(12, 14, 18, 255),
                 outline=(sk.ACCENT if selected else (96, 106, 118)) + (255,),
                 width=1.2)
        if selected:
            L.circle(12, 10, 4.0, fill=sk.ACCENT + (255,))
        return _on_body(L.result())
    return draw


def panel_icons():
    """(file name, function) for every icon the panels load."""
    out = []

    def add(name, fn):
        out.append(("icons/" + name, fn))

    for base, label in (("Apply", "Apply"), ("Close", "Close"),
                        ("Reset", "Reset"), ("Default", "Default"),
                        ("LedDef", "Default"), ("LedOk", "OK"),
                        ("LedCancel", "Cancel"), ("LedOn", "On"),
                        ("LedOff", "Off")):
        add(base + ".ico", icon_pill((64, 22), label, "normal"))
        add(base + "H.ico", icon_pill((64, 22), label, "hover"))
    add("Save.ico", icon_pill((62, 26), "Save", "normal"))
    add("SaveH.ico", icon_pill((62, 26), "Save", "hover"))
    add("ProfilesH.ico", icon_pill((62, 26), "Profile", "lit"))
    add("ProfilesUn.ico", icon_pill((62, 26), "Profile", "un"))
    for base, label in (("SaveVBios", "Save BIOS"),
                        ("FlashVBios", "Flash BIOS")):
        add(base + ".ico", icon_pill((78, 26), label, "normal"))
        add(base + "H.ico", icon_pill((78, 26), label, "hover"))
    for base, label, size in (("Auto", "Auto", (50, 20)),
                              ("Manual", "Manual", (50, 20)),
                              ("FanAdvance", "Curve", (56, 22))):
        add(base + ".ico", icon_pill(size, label, "on"))
        add(base + "H.ico", icon_pill(size, label, "hover"))
        add(base + "Un.ico", icon_pill(size, label, "un"))
    for n in range(1, 10):
        add("Using%d.ico" % n, icon_number(n, False))
        add("Using%dH.ico" % n, icon_number(n, True))
    add("FrameCtrl.ico", icon_switch(True))
    add("FrameCtrlH.ico", icon_switch(False))
    add("SliderAdd.ico", icon_step(True, True))
    add("SliderAddUn.ico", icon_step(True, False))
    add("SliderReduce.ico", icon_step(False, True))
    add("SliderReduceUn.ico", icon_step(False, False))
    add("Lock.ico", icon_lock(True, False))
    add("LockH.ico", icon_lock(True, True))
    add("Unlock.ico", icon_lock(False, False))
    add("UnlockH.ico", icon_lock(False, True))
    add("Setting_Check.ico", icon_check(False))
    add("Setting_Check_H.ico", icon_check(True))
    add("LedCheck.ico", icon_radio(True))
    add("LedCheckUn.ico", icon_radio(False))
    return out
