"""Drawing helpers shared by every picture of the Pyrelix skin.

Everything here is deterministic: no clocks, no unseeded randomness, and
fonts are laid out with Pillow's basic engine so the same Pillow/FreeType
produce the same bytes on every run.

Conventions
-----------
* Pictures are composed as RGBA "canvases" and flattened at the end.
* Window backgrounds use KEY (pure blue) for every pixel outside the window
  shape; the program turns every non-KEY pixel into the window region.  The
  outline against KEY is drawn hard-edged (no anti-aliasing), and KEY is
  never left inside the visible art (see finish_keyed).
* Soft shapes (circles, glyphs) are drawn on a supersampled layer and scaled
  down, which gives clean anti-aliasing against the art underneath.
"""

import math
import random
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFont

# --------------------------------------------------------------------------
# Palette.  Later pictures (dial frames, panels) must reuse these so they sit
# seamlessly on the backgrounds.
# --------------------------------------------------------------------------
KEY = (0, 0, 255)
KEY_SAFE = (0, 0, 254)          # what a stray KEY pixel inside the art becomes

BG_TOP = (27, 30, 35)
BG_BOTTOM = (15, 17, 20)
TITLE_TOP = (33, 37, 44)
TITLE_BOTTOM = (22, 25, 30)
EDGE = (52, 58, 67)             # 1 px window outline
EDGE_SHADE = (10, 11, 13)       # second, darker outline just inside

PANEL_FILL = (9, 11, 14)
PANEL_BORDER = (46, 53, 62)
PANEL_GRID = (19, 23, 28)

ACCENT = (0, 210, 255)          # same cyan as the dial text
ACCENT_DIM = (0, 112, 138)
ACCENT_DEEP = (0, 62, 80)

TEXT = (232, 237, 242)
TEXT_DIM = (136, 150, 164)
TEXT_FAINT = (88, 99, 112)
GLYPH = (222, 229, 236)         # light glyph colour for button icons

SUPERSAMPLE = 4

# --------------------------------------------------------------------------
# Fonts
# --------------------------------------------------------------------------
_FONT_DIRS = (
    "/usr/share/fonts/truetype/dejavu/",
    "/usr/share/fonts/truetype/wqy/",
)
_FONT_FILES = {
    "bold": ("DejaVuSans-Bold.ttf", "wqy-microhei.ttc"),
    "regular": ("DejaVuSans.ttf", "wqy-microhei.ttc"),
    "condensed-bold": ("DejaVuSansCondensed-Bold.ttf", "DejaVuSans-Bold.ttf",
                       "wqy-microhei.ttc"),
}
_font_cache = {}


def font(size, style="bold"):
    """Return a TrueType font of the given pixel size.

    Falls back through the list for the style (DejaVu first, then
    WenQuanYi Micro Hei); raises if none is installed, because a silent
    bitmap fallback font would ruin the skin.
    """
    key = (size, style)
    if key in _font_cache:
        return _font_cache[key]
    for name in _FONT_FILES[style]:
        for folder in _FONT_DIRS:
            try:
                f = ImageFont.truetype(folder + name, size,
                                       layout_engine=ImageFont.Layout.BASIC)
            except OSError:
                continue
            _font_cache[key] = f
            return f
    raise RuntimeError("no TrueType font found for style %r" % style)


def text_width(text, fnt, tracking=0):
    """Advance width of text in pixels, including letter spacing."""
    if not text:
        return 0
    if not tracking:
        return fnt.getlength(text)
    return sum(fnt.getlength(c) for c in text) + tracking * (len(text) - 1)


def draw_text(img, xy, text, fnt, fill, tracking=0, anchor="la"):
    """Draw text with optional letter spacing.

    xy is the left/top of the text cell by default (anchor "la": left,
    ascender), which matches how the program positions its own GDI text.
    Anchors starting with "m" or "r" centre or right-align the whole string.
    Returns the drawn width.
    """
    d = ImageDraw.Draw(img)
    d.fontmode = "L"
    x, y = xy
    width = text_width(text, fnt, tracking)
    if anchor[0] == "m":
        x -= width / 2.0
    elif anchor[0] == "r":
        x -= width
    v = "l" + anchor[1]
    if not tracking:
        d.text((round(x), y), text, font=fnt, fill=fill, anchor=v)
        return width
    for c in text:
        d.text((round(x), y), c, font=fnt, fill=fill, anchor=v)
        x += fnt.getlength(c) + tracking
    return width


# --------------------------------------------------------------------------
# Colour and gradient helpers
# --------------------------------------------------------------------------
def mix(a, b, t):
    """Linear mix of two colours (tuples of equal length), t in 0..1."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def with_alpha(rgb, alpha):
    return (rgb[0], rgb[1], rgb[2], int(alpha))


def vgradient(size, top, bottom, ease=1.0):
    """RGBA image filled with a vertical gradient (top colour to bottom)."""
    w, h = size
    col = Image.new("RGBA", (1, h))
    px = col.load()
    for y in range(h):
        t = (y / (h - 1)) if h > 1 else 0.0
        c = mix(top, bottom, t ** ease)
        px[0, y] = c + (255,) if len(c) == 3 else c
    return col.resize((w, h), Image.NEAREST)


def hfade_line(img, x0, x1, y, color, peak_alpha, fade=0.3, thickness=1):
    """Horizontal line whose alpha fades in and out at both ends.

    fade is the fraction of the length used for each ramp.
    """
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    px = layer.load()
    n = x1 - x0
    ramp = max(1, int(n * fade))
    for x in range(x0, x1):
        i = x - x0
        t = min(1.0, i / ramp, (n - 1 - i) / ramp)
        t = max(0.0, t)
        a = int(round(peak_alpha * t * t * (3 - 2 * t)))
        for dy in range(thickness):
            px[x, y + dy] = with_alpha(color, a)
    img.alpha_composite(layer)


def brushed_texture(img, box, strength, seed):
    """Add a very quiet horizontal brushed-metal grain inside box.

    strength is the largest brightness offset in levels (+/-).  Uses a
    seeded generator, so the grain is identical on every run.
    """
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    rng = random.Random(seed)
    # Coarse noise stretched horizontally gives long streaks; a second,
    # finer layer breaks up the regularity.
    coarse_w = max(2, w // 24)
    coarse = Image.frombytes(
        "L", (coarse_w, h),
        bytes(128 + rng.randint(-strength, strength)
              for _ in range(coarse_w * h)))
    coarse = coarse.resize((w, h), Image.BICUBIC)
    fine = Image.frombytes(
        "L", (w, h),
        bytes(128 + rng.randint(-1, 1) for _ in range(w * h)))
    grain = ImageChops.add(coarse, fine, 1.0, -128)
    region = img.crop(box)
    r, g, b, a = region.split()
    r = ImageChops.add(r, grain, 1.0, -128)
    g = ImageChops.add(g, grain, 1.0, -128)
    b = ImageChops.add(b, grain, 1.0, -128)
    img.paste(Image.merge("RGBA", (r, g, b, a)), (x0, y0))


# --------------------------------------------------------------------------
# Supersampled layers
# --------------------------------------------------------------------------
class AALayer:
    """A transparent layer drawn SUPERSAMPLE times larger, then scaled down.

    Coordinates passed to the helpers are in final pixels (floats allowed);
    they are scaled internally.  Use composite() to blend onto a canvas.
    """

    def __init__(self, size, scale=SUPERSAMPLE):
        self.size = size
        self.s = scale
        self.im = Image.new("RGBA", (size[0] * scale, size[1] * scale),
                            (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.im)

    def _b(self, box):
        s = self.s
        x0, y0, x1, y1 = box
        # box is given as final-pixel edges; the -1 keeps Pillow's inclusive
        # end coordinate on the right edge.
        return (x0 * s, y0 * s, x1 * s - 1, y1 * s - 1)

    def _p(self, pts):
        s = self.s
        return [(x * s, y * s) for x, y in pts]

    def ellipse(self, box, fill=None, outline=None, width=1.0):
        self.draw.ellipse(self._b(box), fill=fill, outline=outline,
                          width=max(1, int(round(width * self.s))))

    def circle(self, cx, cy, r, fill=None, outline=None, width=1.0):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width)

    def ring(self, cx, cy, r, width, fill):
        """Ring of the given outer radius and thickness."""
        self.circle(cx, cy, r, outline=fill, width=width)

    def rrect(self, box, radius, fill=None, outline=None, width=1.0):
        self.draw.rounded_rectangle(
            self._b(box), radius=radius * self.s, fill=fill, outline=outline,
            width=max(1, int(round(width * self.s))))

    def polygon(self, pts, fill):
        self.draw.polygon(self._p(pts), fill=fill)

    def line(self, pts, fill, width=1.0, round_caps=True):
        s = self.s
        w = max(1, int(round(width * s)))
        sp = self._p(pts)
        self.draw.line(sp, fill=fill, width=w, joint="curve")
        if round_caps:
            r = w / 2.0
            for x, y in (sp[0], sp[-1]):
                self.draw.ellipse((x - r, y - r, x + r, y + r), fill=fill)

    def arc(self, cx, cy, r, start, end, fill, width=1.0):
        """Arc by angles in degrees (0 = 3 o'clock, clockwise as Pillow)."""
        self.draw.arc(self._b((cx - r, cy - r, cx + r, cy + r)), start, end,
                      fill=fill, width=max(1, int(round(width * self.s))))

    def erase(self, shape_fn):
        """Cut a shape out of the layer: shape_fn(layer) draws on a mask
        layer with any opaque fill; those pixels become transparent."""
        m = AALayer(self.size, self.s)
        shape_fn(m)
        alpha = self.im.getchannel("A")
        alpha = ImageChops.subtract(alpha, m.im.getchannel("A"))
        self.im.putalpha(alpha)

    def result(self):
        return self.im.resize(self.size, Image.LANCZOS)

    def composite(self, canvas, dest=(0, 0)):
        canvas.alpha_composite(self.result(), dest)


# --------------------------------------------------------------------------
# Window shape and key colour
# --------------------------------------------------------------------------
def shape_mask(size, radius):
    """Hard-edged mask of a rounded rectangle: 255 inside, 0 outside.

    Drawn without anti-aliasing on purpose: a smooth edge would blend the
    art with KEY and leave bluish fringe pixels in the window region.
    """
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).rounded_rectangle(
        (0, 0, size[0] - 1, size[1] - 1), radius=radius, fill=255)
    return m


def window_edge(canvas, radius, outer=EDGE, inner=EDGE_SHADE):
    """Draw a 1 px outline along the window shape and a darker one inside.

    Same geometry as shape_mask, so the outline sits exactly on the
    outermost visible pixels.
    """
    w, h = canvas.size
    d = ImageDraw.Draw(canvas)
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=radius,
                        outline=outer + (255,), width=1)
    d.rounded_rectangle((1, 1, w - 2, h - 2), radius=max(0, radius - 1),
                        outline=inner + (200,), width=1)


def finish_keyed(canvas, radius, key=KEY):
    """Flatten a canvas to RGB with the key colour outside the rounded shape.

    Any pixel inside the shape that happens to equal the key (a pure blue
    in a colour wheel, say) is nudged by one level so it stays part of the
    window.
    """
    rgb = Image.new("RGB", canvas.size, (0, 0, 0))
    rgb.paste(canvas, (0, 0), canvas)
    # Guard against the key inside the art: find exact key pixels and repaint.
    key_img = Image.new("RGB", rgb.size, key)
    diff = ImageChops.difference(rgb, key_img)
    r, g, b = diff.split()
    exact = ImageChops.lighter(ImageChops.lighter(r, g), b).point(
        lambda v: 255 if v == 0 else 0)
    if exact.getbbox():
        rgb.paste(safe_key(key), (0, 0), exact)
    mask = shape_mask(canvas.size, radius)
    rgb.paste(key, (0, 0), ImageChops.invert(mask))
    return rgb


def safe_key(key):
    """The colour a stray key pixel inside the art becomes: one level off."""
    if key == KEY:
        return KEY_SAFE
    r, g, b = key
    return (r, g, b - 1 if b > 0 else b + 1)


# --------------------------------------------------------------------------
# Common art pieces
# --------------------------------------------------------------------------
def inset_panel(canvas, box, fill=PANEL_FILL, border=PANEL_BORDER,
                grid_rows=0, grid_cols=0, brackets=True):
    """Dark inset rectangle with a thin border, optional faint grid and
    small accent corner brackets just outside it.  box = (x, y, w, h)."""
    x, y, w, h = box
    d = ImageDraw.Draw(canvas)
    # Soft drop into the surface: a darker line above/left, lighter below.
    d.rectangle((x - 1, y - 1, x + w, y + h), outline=(8, 9, 11, 255))
    d.rectangle((x, y, x + w - 1, y + h - 1), fill=fill + (255,),
                outline=border + (255,))
    d.line((x + 1, y + 1, x + w - 2, y + 1), fill=(5, 6, 8, 255))
    for i in range(1, grid_rows):
        gy = y + round(h * i / grid_rows)
        d.line((x + 2, gy, x + w - 3, gy), fill=PANEL_GRID + (255,))
    for i in range(1, grid_cols):
        gx = x + round(w * i / grid_cols)
        d.line((gx, y + 2, gx, y + h - 3), fill=PANEL_GRID + (255,))
    if brackets:
        arm = 7
        c = ACCENT + (210,)
        for cx, cy, sx, sy in ((x - 3, y - 3, 1, 1),
                               (x + w + 2, y - 3, -1, 1),
                               (x - 3, y + h + 2, 1, -1),
                               (x + w + 2, y + h + 2, -1, -1)):
            d.line((cx, cy, cx + sx * arm, cy), fill=c)
            d.line((cx, cy, cx, cy + sy * arm), fill=c)


def bezier(p0, p1, p2, p3, steps=24):
    """Points along a cubic Bezier curve (excluding the last point)."""
    pts = []
    for i in range(steps):
        t = i / steps
        u = 1 - t
        x = (u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0]
             + t ** 3 * p3[0])
        y = (u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1]
             + t ** 3 * p3[1])
        pts.append((x, y))
    return pts


def bezier_path(start, segments, steps=24):
    """Closed outline from a start point and (c1, c2, end) segments."""
    pts = []
    cur = start
    for c1, c2, end in segments:
        pts.extend(bezier(cur, c1, c2, end, steps))
        cur = end
    return pts


def flame_outline(box, steps=24):
    """Outline of the Pyrelix flame inside box = (x0, y0, x1, y1)."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0

    def p(u, v):
        return (x0 + u * w, y0 + v * h)

    return bezier_path(p(0.50, 1.00), [
        (p(0.86, 1.00), p(1.00, 0.72), p(0.86, 0.48)),   # right belly
        (p(0.79, 0.36), p(0.70, 0.30), p(0.70, 0.14)),   # right lick
        (p(0.56, 0.26), p(0.60, 0.36), p(0.56, 0.44)),   # notch down
        (p(0.55, 0.24), p(0.46, 0.08), p(0.34, 0.00)),   # main tip
        (p(0.38, 0.22), p(0.06, 0.40), p(0.08, 0.66)),   # left shoulder
        (p(0.10, 0.90), p(0.26, 1.00), p(0.50, 1.00)),   # left belly
    ], steps)


def flame_core(box, steps=24):
    """Inner, hotter tongue of the flame inside the same box."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0

    def p(u, v):
        return (x0 + u * w, y0 + v * h)

    return bezier_path(p(0.52, 0.95), [
        (p(0.70, 0.95), p(0.80, 0.80), p(0.70, 0.64)),
        (p(0.64, 0.55), p(0.54, 0.52), p(0.56, 0.38)),   # sharp tip
        (p(0.44, 0.48), p(0.28, 0.60), p(0.31, 0.78)),
        (p(0.33, 0.91), p(0.42, 0.95), p(0.52, 0.95)),
    ], steps)


def gradient_fill(size, shape_fn, top, bottom, scale=SUPERSAMPLE):
    """RGBA image of a shape filled with a vertical gradient.

    shape_fn(layer) draws the shape (any opaque colour) on an AALayer;
    its coverage becomes the alpha of the gradient.
    """
    m = AALayer(size, scale)
    shape_fn(m)
    alpha = m.result().getchannel("A")
    g = vgradient(size, top, bottom)
    g.putalpha(alpha)
    return g


def emblem(size):
    """The Pyrelix emblem: a dark card tile carrying a cyan flame.

    Returns an RGBA image of size x size.  Small sizes get a simpler
    drawing (thicker border, no core) so the shape stays readable.
    """
    s = float(size)
    small = size <= 20
    out = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    tile = AALayer((size, size))
    pad = s * (0.02 if small else 0.04)
    rad = s * 0.22
    tile.rrect((pad, pad, s - pad, s - pad), rad, fill=(20, 23, 28, 255))
    tile.composite(out)
    # Tile face: a gentle gradient so it reads as a raised card.
    face = gradient_fill((size, size),
                         lambda L: L.rrect((pad, pad, s - pad, s - pad), rad,
                                           fill=(255, 255, 255, 255)),
                         (40, 46, 55), (14, 16, 20))
    out.alpha_composite(face)
    border = AALayer((size, size))
    bw = max(1.0, s * (0.07 if small else 0.035))
    border.rrect((pad, pad, s - pad, s - pad), rad, outline=ACCENT + (255,),
                 width=bw)
    border.composite(out)
    # Flame.
    fb = (s * 0.25, s * 0.16, s * 0.75, s * 0.84) if not small else \
        (s * 0.20, s * 0.12, s * 0.80, s * 0.88)
    steps = 12 if small else 32
    fl = gradient_fill((size, size),
                       lambda L: L.polygon(flame_outline(fb, steps),
                                           (255, 255, 255, 255)),
                       (170, 245, 255), (0, 150, 220))
    out.alpha_composite(fl)
    if not small:
        core = gradient_fill((size, size),
                             lambda L: L.polygon(flame_core(fb, steps),
                                                 (255, 255, 255, 255)),
                             (255, 255, 255), (120, 230, 255))
        out.alpha_composite(core)
    return out


# --------------------------------------------------------------------------
# ICO writer / reader
# --------------------------------------------------------------------------
def _dib_icon_image(im):
    """BITMAPINFOHEADER + 32-bit BGRA bottom-up XOR bitmap + 1-bpp AND mask.

    Colours are stored straight (not premultiplied), which is what icon
    drawing expects; fully transparent pixels are stored as zero.
    """
    im = im.convert("RGBA")
    w, h = im.size
    px = im.load()
    xor = bytearray()
    and_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row_mask = bytearray(and_stride)
        for x in range(w):
            r, g, b, a = px[x, y]
            if a == 0:
                r = g = b = 0
            xor += bytes((b, g, r, a))
            if a < 128:
                row_mask[x >> 3] |= 0x80 >> (x & 7)
        mask += row_mask
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_bytes(images):
    """ICO file contents holding the given RGBA images (any sizes, square
    or not, up to 256 x 256), each as an uncompressed 32-bit DIB."""
    images = list(images)
    if not images:
        raise ValueError("an icon needs at least one image")
    blobs = []
    for im in images:
        w, h = im.size
        if not (1 <= w <= 256 and 1 <= h <= 256):
            raise ValueError("icon image size %dx%d out of range" % (w, h))
        blobs.append(_dib_icon_image(im))
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def write_ico(path, images):
    with open(path, "wb") as f:
        f.write(ico_bytes(images))


def read_ico(data):
    """Decode ICO bytes written by ico_bytes back to RGBA images.

    Only the 32-bit DIB form is understood; used for previews and tests.
    """
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise ValueError("not an icon file")
    images = []
    for i in range(count):
        bw, bh, _, _, _, bpp, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        w, h = bw or 256, bh or 256
        hdr = struct.unpack_from("<IiiHHIIiiII", data, offset)
        if hdr[0] != 40 or hdr[1] != w or hdr[2] != 2 * h or hdr[4] != 32:
            raise ValueError("unsupported icon image %d" % i)
        pixels = data[offset + 40: offset + 40 + w * h * 4]
        im = Image.frombytes("RGBA", (w, h), bytes(pixels), "raw", "BGRA",
                             0, -1)
        images.append(im)
    return images


# --------------------------------------------------------------------------
# Small geometry helpers
# --------------------------------------------------------------------------
def polar(cx, cy, r, deg):
    """Point at angle deg (0 = 3 o'clock, counter-clockwise, y down)."""
    a = math.radians(deg)
    return (cx + r * math.cos(a), cy - r * math.sin(a))


def gear_outline(cx, cy, r_out, r_in, teeth, tooth_frac=0.5, steps=6):
    """Polygon of a gear with flat-topped, slightly tapered teeth."""
    pts = []
    pitch = 360.0 / teeth
    top = pitch * tooth_frac * 0.5       # half-width of tooth tip (deg)
    base = top * 1.45                     # half-width at the root
    for i in range(teeth):
        c = i * pitch
        pts.append(polar(cx, cy, r_in, c - base))
        pts.append(polar(cx, cy, r_out, c - top))
        pts.append(polar(cx, cy, r_out, c + top))
        pts.append(polar(cx, cy, r_in, c + base))
        # Root arc to the next tooth.
        for k in range(1, steps):
            a = c + base + (pitch - 2 * base) * k / steps
            pts.append(polar(cx, cy, r_in, a))
    return pts


# --------------------------------------------------------------------------
# 8-bit run-length encoded BMP writer
# --------------------------------------------------------------------------
def _rle8_row(row):
    """Encode one row of palette indices (BI_RLE8), without end of line."""
    out = bytearray()
    w = len(row)
    i = 0
    while i < w:
        run = 1
        while i + run < w and run < 255 and row[i + run] == row[i]:
            run += 1
        if run >= 2:
            out += bytes((run, row[i]))
            i += run
            continue
        # Literal stretch up to the next run of three or more.
        j = i
        while j < w and j - i < 255:
            if j + 2 < w and row[j] == row[j + 1] == row[j + 2]:
                break
            j += 1
        n = j - i
        if n < 3:
            # Absolute mode needs three or more pixels.
            for k in range(i, j):
                out += bytes((1, row[k]))
        else:
            out += bytes((0, n)) + bytes(row[i:j])
            if n % 2:
                out.append(0)
        i = j
    return out


def rle8_bmp_bytes(rgb, exact=(), frequent=True):
    """BMP file bytes of an RGB image as 8-bit palette, run-length encoded.

    The palette is the image's own colours when it has at most 256.  Else,
    with `frequent`, its 256 most frequent colours, every other pixel taking
    the nearest of them (right for flat art: its main colours stay exact);
    without, a median-cut palette (right for shaded art).  No dithering: it
    would break the runs.  Colours in `exact` (a key colour, say) must come
    out on exactly the pixels that had them."""
    rgb = rgb.convert("RGB")
    w, h = rgb.size
    colours = rgb.getcolors(256)
    if colours is not None:
        palette = [c for _, c in sorted(colours, key=lambda nc: nc[1])]
        index = {c: i for i, c in enumerate(palette)}
        data = [index[p] for p in rgb.getdata()]
    elif not frequent:
        q = rgb.quantize(256, method=Image.Quantize.MEDIANCUT,
                         dither=Image.Dither.NONE)
        flat = q.getpalette()[:256 * 3]
        palette = [tuple(flat[k:k + 3]) for k in range(0, len(flat), 3)]
        data = list(q.getdata())
    else:
        counted = rgb.getcolors(w * h)
        counted.sort(key=lambda nc: (-nc[0], nc[1]))
        palette = [c for _, c in counted[:256]]
        index = {c: i for i, c in enumerate(palette)}
        for _, c in counted[256:]:
            index[c] = min(range(256), key=lambda i: sum(
                (a - b) * (a - b) for a, b in zip(c, palette[i])))
        source = list(rgb.getdata())
        data = [index[p] for p in source]
        for colour in exact:
            want = [p == colour for p in source]
            got = [palette[i] == colour for i in data]
            if want != got:
                raise ValueError("colour %r not kept exactly" % (colour,))
    palette += [(0, 0, 0)] * (256 - len(palette))
    body = bytearray()
    for y in range(h - 1, -1, -1):
        body += _rle8_row(data[y * w:(y + 1) * w])
        body += b"\x00\x00"
    body[-2:] = b"\x00\x01"          # the last end of line ends the bitmap
    pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(body), 2835,
                       2835, 256, 0)
    return header + info + pal + bytes(body)
