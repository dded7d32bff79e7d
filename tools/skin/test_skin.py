"""Checks for the skin generator.

Run:  /usr/bin/python3 -m unittest discover -s tools/skin -p 'test_*.py'

The file names, sizes and layout rectangles below are what the program
expects; they are written out here rather than imported from the generator
so that a wrong value there is caught.
"""

import io
import os
import struct
import sys
import tempfile
import unittest

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import generate_skin  # noqa: E402
import skinlib  # noqa: E402

KEY = (0, 0, 255)

# Every file the program loads, with the image sizes it must contain.
EXPECTED = {
    "bitmaps/130.bmp": [(1200, 482)],
    "bitmaps/149.bmp": [(351, 127)],
    "app.ico": [(16, 16), (32, 32), (48, 48), (256, 256)],
    "icons/Setting.ICO": [(40, 40)],
    "icons/Info.ICO": [(40, 40)],
    "icons/Advance.ICO": [(40, 40)],
    "icons/Bios.ICO": [(40, 40)],
    "icons/Help.ICO": [(40, 40)],
    "icons/Led.ICO": [(40, 40)],
    "icons/Min.ICO": [(18, 16)],
    "icons/CloseX.ICO": [(18, 16)],
    "icons/Yes.ico": [(72, 26)],
    "icons/YesH.ico": [(72, 26)],
    "icons/No.ico": [(72, 26)],
    "icons/NoH.ico": [(72, 26)],
    "bitmaps/134.bmp": [(385, 263)],
    "bitmaps/136.bmp": [(324, 325)],
    "bitmaps/138.bmp": [(386, 281)],
    "bitmaps/140.bmp": [(627, 461)],
    "bitmaps/142.bmp": [(627, 461)],
    "bitmaps/143.bmp": [(659, 600)],
    "bitmaps/145.bmp": [(320, 12)],
    "bitmaps/146.bmp": [(320, 12)],
    "bitmaps/147.bmp": [(53, 16)],
    "bitmaps/148.bmp": [(320, 12)],
    "bitmaps/151.bmp": [(660, 599)],
    "bitmaps/152.bmp": [(430, 430)],
    "bitmaps/153.bmp": [(627, 461)],
    "bitmaps/1450.bmp": [(47, 19)],
}
DIAL_FRAMES = ["bitmaps/%d.bmp" % f for f in range(1300, 1402)]
for _rel in DIAL_FRAMES:
    EXPECTED[_rel] = [(331, 305)]
# Stored 8-bit run-length encoded: the dial frames and the flat panels. The
# rest are 24-bit (the colour wheels are picked from, the main window is
# textured).
RLE8 = set(DIAL_FRAMES) | {"bitmaps/%d.bmp" % n
                           for n in (134, 136, 138, 140, 143, 151, 152)}

# Icons of the panels, by the size of the button that shows them.
PANEL_ICON_SIZES = {
    (64, 22): ["Apply", "ApplyH", "Close", "CloseH", "Reset", "ResetH",
               "Default", "DefaultH", "LedDef", "LedDefH", "LedOk", "LedOkH",
               "LedCancel", "LedCancelH", "LedOn", "LedOnH", "LedOff",
               "LedOffH"],
    (62, 26): ["Save", "SaveH", "ProfilesH", "ProfilesUn"],
    (78, 26): ["SaveVBios", "SaveVBiosH", "FlashVBios", "FlashVBiosH"],
    (50, 20): ["Auto", "AutoH", "AutoUn", "Manual", "ManualH", "ManualUn"],
    (56, 22): ["FanAdvance", "FanAdvanceH", "FanAdvanceUn"],
    (24, 26): ["Using%d%s" % (n, h) for n in range(1, 10) for h in ("", "H")]
    + ["FrameCtrl", "FrameCtrlH"],
    (10, 16): ["SliderAdd", "SliderAddUn", "SliderReduce", "SliderReduceUn"],
    (12, 16): ["Lock", "LockH", "Unlock", "UnlockH"],
    (16, 16): ["Setting_Check", "Setting_Check_H"],
    (24, 20): ["LedCheck", "LedCheckUn"],
}
PANEL_ICONS = {}
for _size, _names in PANEL_ICON_SIZES.items():
    for _name in _names:
        PANEL_ICONS["icons/%s.ico" % _name] = _size
        EXPECTED["icons/%s.ico" % _name] = [_size]
PANEL_BODY = (21, 24, 29)

# Window corner radius (largest accepted) per background, and its key.
RADIUS = {"bitmaps/130.bmp": 14, "bitmaps/149.bmp": 10,
          "bitmaps/134.bmp": 10, "bitmaps/136.bmp": 10,
          "bitmaps/138.bmp": 10, "bitmaps/140.bmp": 10,
          "bitmaps/142.bmp": 10, "bitmaps/143.bmp": 10,
          "bitmaps/151.bmp": 10, "bitmaps/153.bmp": 10}
KEY_OF = {"bitmaps/136.bmp": (77, 0, 85)}

# Where the panels' icon buttons sit: the picture must be the plain body
# there, or the opaque icon shows as a patch.
PANEL_BUTTONS = {
    "bitmaps/134.bmp": [(15, 32, 16, 16), (15, 62, 16, 16), (15, 92, 16, 16),
                        (15, 122, 16, 16), (200, 220, 64, 22),
                        (280, 220, 64, 22)],
    "bitmaps/136.bmp": [(225, 295, 64, 22)],
    "bitmaps/138.bmp": [(80, 60, 78, 26), (80, 100, 78, 26),
                        (280, 240, 64, 22)],
    "bitmaps/140.bmp": [(520, 415, 64, 22)],
    "bitmaps/142.bmp": [(50, y, 24, 20) for y in (85, 152, 217, 283, 348)]
    + [(x, 410, 64, 22) for x in (100, 180, 260, 340, 420)],
    "bitmaps/153.bmp": [(x, 410, 64, 22) for x in (100, 180, 260, 340, 420)],
    "bitmaps/143.bmp": [(x, y, 10, 16) for x in (172, 512)
                        for y in (32, 95, 164, 226, 288, 344, 410, 494)]
    + [(610, 96, 24, 26), (610, 220, 24, 26), (626, 320, 12, 16),
       (610, 490, 24, 26), (430, 430, 56, 22), (490, 430, 50, 20),
       (546, 430, 50, 20), (54, 530, 62, 26), (224, 530, 62, 26),
       (403, 533, 64, 22), (472, 533, 64, 22), (541, 533, 64, 22),
       (403, 563, 16, 16)]
    + [(x, 530, 24, 26) for x in (120, 148, 175, 288, 316, 344)]
    + [(120 + 28 * k, 560, 24, 26) for k in range(9)],
    "bitmaps/151.bmp": [(365, 555, 64, 22), (437, 555, 64, 22),
                        (509, 555, 64, 22)],
}
# Colour wheels: picture -> centre; radius 105.
WHEELS = {"bitmaps/142.bmp": (425, 207), "bitmaps/153.bmp": (285, 203)}


# Areas the program draws into, which must be visible (no key pixels) and,
# for text spots, plain dark so white or cyan text reads on them.
MAIN_PANELS = [(60, 190, 330, 96), (60, 340, 330, 96),
               (790, 190, 330, 96), (790, 340, 330, 96)]
MAIN_TEXT_SPOTS = [(x, y, 40, 14) for x, y in (
    (290, 168), (360, 168), (395, 220),
    (290, 319), (360, 319), (395, 370),
    (1020, 168), (1090, 168), (1125, 220),
    (1020, 319), (1090, 319), (1125, 370))]
MAIN_DIAL = (436, 145, 331, 305)
MAIN_BUTTONS = [(48, 90, 40, 40), (102, 90, 40, 40), (158, 90, 40, 40),
                (216, 90, 40, 40), (270, 90, 40, 40), (890, 90, 40, 40),
                (1110, 90, 18, 16), (1135, 90, 18, 16)]
MSG_TEXT = (90, 20, 240, 70)
MSG_BUTTONS = [(100, 90, 72, 26), (220, 90, 72, 26)]

PLAIN = {
    "bitmaps/130.bmp": MAIN_TEXT_SPOTS + [MAIN_DIAL],
    "bitmaps/149.bmp": [MSG_TEXT],
    "bitmaps/140.bmp": [(20, 45, 600, 350)],
    "bitmaps/136.bmp": [(85, 48, 150, 16), (85, 190, 150, 16),
                        (80, 218, 30, 16), (227, 266, 30, 16)],
    "bitmaps/142.bmp": [(550, 165, 48, 22), (550, 225, 48, 22)],
    "bitmaps/153.bmp": [(420, 165, 48, 22), (420, 225, 48, 22)],
}
VISIBLE = {
    "bitmaps/130.bmp": MAIN_PANELS + MAIN_TEXT_SPOTS + [MAIN_DIAL]
    + MAIN_BUTTONS,
    "bitmaps/149.bmp": [MSG_TEXT] + MSG_BUTTONS,
    "bitmaps/142.bmp": [(595, 15, 18, 16), (315, 348, 42, 25),
                        (555, 348, 42, 25)],
    "bitmaps/153.bmp": [(595, 15, 18, 16), (200, 348, 42, 25),
                        (460, 348, 42, 25)],
    "bitmaps/143.bmp": [(189, y, 320, 12) for y in
                        (32, 95, 164, 226, 288, 344, 410, 494)]
    + [(537, y, 34, 15) for y in (30, 94, 162, 225, 287, 342, 408, 492)],
    "bitmaps/151.bmp": [(120, 84, 430, 430)],
}
for _rel, _rects in PANEL_BUTTONS.items():
    VISIBLE.setdefault(_rel, []).extend(_rects)


def parse_bmp(data):
    """(width, height, bits per pixel, compression) from a BMP file,
    checking it is a plain uncompressed form, or 8-bit run-length encoded
    with a whole palette, as LoadImage reads them."""
    assert data[:2] == b"BM", "not a BMP"
    file_size, _, pixel_offset = struct.unpack_from("<I I I", data, 2)
    assert file_size == len(data), "BMP size field is wrong"
    hdr_size, w, h, planes, bpp, compression, image_size = struct.unpack_from(
        "<IiiHHII", data, 14)
    assert hdr_size == 40 and planes == 1 and compression in (0, 1)
    if compression == 1:
        assert bpp == 8 and h > 0, "RLE8 must be 8-bit and bottom-up"
        assert pixel_offset == 14 + 40 + 256 * 4
        assert pixel_offset + image_size == len(data)
        assert data[-2:] == b"\x00\x01", "no end of bitmap"
    else:
        stride = (w * bpp // 8 + 3) & ~3
        assert pixel_offset + stride * abs(h) <= len(data), "pixel data truncated"
    return w, h, bpp, compression


def parse_ico(data):
    """List of (width, height, rgba_rows_top_down, and_mask_rows) from an
    ICO of 32-bit DIB images, validating every header field Windows uses."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1) and count > 0, "bad ICONDIR"
    out = []
    spans = []
    for i in range(count):
        bw, bh, colors, res, planes, bpp, size, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i)
        w, h = bw or 256, bh or 256
        assert (colors, res, planes, bpp) == (0, 0, 1, 32), "bad entry"
        assert offset + size <= len(data), "image past end of file"
        spans.append((offset, offset + size))
        (hs, dw, dh, dplanes, dbpp, comp, img_size) = struct.unpack_from(
            "<IiiHHII", data, offset)
        assert hs == 40 and dplanes == 1 and dbpp == 32 and comp == 0
        assert (dw, dh) == (w, 2 * h), "DIB size disagrees with entry"
        and_stride = ((w + 31) // 32) * 4
        assert size == 40 + w * h * 4 + and_stride * h, "image size wrong"
        assert img_size == w * h * 4 + and_stride * h
        xor = data[offset + 40: offset + 40 + w * h * 4]
        msk = data[offset + 40 + w * h * 4: offset + size]
        rows = [xor[y * w * 4:(y + 1) * w * 4] for y in range(h)][::-1]
        mrows = [msk[y * and_stride:(y + 1) * and_stride]
                 for y in range(h)][::-1]
        out.append((w, h, rows, mrows))
    spans.sort()
    for (a0, a1), (b0, b1) in zip(spans, spans[1:]):
        assert a1 <= b0, "icon images overlap"
    return out


def rect_pixels(im, rect):
    x, y, w, h = rect
    return list(im.crop((x, y, x + w, y + h)).getdata())


class GeneratedSkin(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.out = cls.tmp.name
        generate_skin.generate(cls.out)

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def read(self, rel):
        with open(os.path.join(self.out, *rel.split("/")), "rb") as f:
            return f.read()

    def test_exactly_the_expected_files(self):
        found = set()
        for root, _, files in os.walk(self.out):
            for name in files:
                rel = os.path.relpath(os.path.join(root, name), self.out)
                found.add(rel.replace(os.sep, "/"))
        self.assertEqual(found, set(EXPECTED))

    def test_file_formats_and_sizes(self):
        for rel, sizes in EXPECTED.items():
            with self.subTest(rel):
                data = self.read(rel)
                if rel.endswith(".bmp"):
                    w, h, bpp, compression = parse_bmp(data)
                    self.assertEqual([(w, abs(h))], sizes)
                    if rel in RLE8:
                        self.assertEqual((bpp, compression), (8, 1))
                    else:
                        self.assertEqual((bpp, compression), (24, 0))
                else:
                    images = parse_ico(data)
                    self.assertEqual([(w, h) for w, h, _, _ in images],
                                     sizes)

    def test_icons_have_real_alpha_and_matching_mask(self):
        for rel in EXPECTED:
            if rel.endswith(".bmp"):
                continue
            for w, h, rows, mrows in parse_ico(self.read(rel)):
                with self.subTest(rel, size=(w, h)):
                    alphas = [row[x * 4 + 3] for row in rows
                              for x in range(w)]
                    if rel in generate_skin.PLACEMENTS or rel in PANEL_ICONS:
                        # Button icons carry their window's background.
                        self.assertEqual(min(alphas), 255, "see-through pixel")
                    else:
                        self.assertIn(0, alphas, "no transparent pixel")
                        self.assertGreater(max(alphas), 240, "nothing opaque")
                    for y in range(h):
                        for x in range(w):
                            bit = (mrows[y][x >> 3] >> (7 - (x & 7))) & 1
                            self.assertEqual(bit, rows[y][x * 4 + 3] < 128,
                                             "AND mask at %d,%d" % (x, y))

    def test_icons_decode_with_independent_reader(self):
        # Pillow's own ICO reader is a second opinion on the container.
        for rel, sizes in EXPECTED.items():
            if rel.endswith(".bmp"):
                continue
            with self.subTest(rel):
                im = Image.open(io.BytesIO(self.read(rel)))
                self.assertEqual(sorted(im.ico.sizes()), sorted(sizes))
                im.load()
                self.assertEqual(im.mode, "RGBA")
                if rel in PANEL_ICONS:
                    self.assertEqual(im.getpixel((0, 0)), PANEL_BODY + (255,),
                                     "corner should be the panel body")
                elif rel not in generate_skin.PLACEMENTS:
                    self.assertEqual(im.getpixel((0, 0))[3], 0,
                                     "corner should be transparent")

    def test_button_icons_continue_their_background(self):
        for rel, (draw_bg, rect) in generate_skin.PLACEMENTS.items():
            with self.subTest(rel):
                icon = Image.open(io.BytesIO(self.read(rel)))
                icon.load()
                background = Image.open(io.BytesIO(self.read(
                    "bitmaps/130.bmp" if draw_bg is generate_skin.draw_main_background
                    else "bitmaps/149.bmp"))).convert("RGB")
                x, y, _, _ = rect
                self.assertEqual(icon.getpixel((0, 0))[:3],
                                 background.getpixel((x, y)))

    def test_background_shape_is_keyed_only_at_the_corners(self):
        for rel, radius in RADIUS.items():
            KEY = KEY_OF.get(rel, (0, 0, 255))
            with self.subTest(rel):
                im = Image.open(io.BytesIO(self.read(rel))).convert("RGB")
                w, h = im.size
                px = im.load()
                # Corners, and two pixels in along the diagonal, so the
                # corner is really rounded rather than a single notch.
                for d in (0, 2):
                    for x, y in ((d, d), (w - 1 - d, d), (d, h - 1 - d),
                                 (w - 1 - d, h - 1 - d)):
                        self.assertEqual(px[x, y], KEY,
                                         "corner %d,%d" % (x, y))
                # Mid-edges and centre are part of the window.
                for x, y in ((w // 2, 0), (0, h // 2), (w // 2, h - 1),
                             (w - 1, h // 2), (w // 2, h // 2)):
                    self.assertNotEqual(px[x, y], KEY)
                for y in range(h):
                    for x in range(w):
                        c = px[x, y]
                        in_corner = ((x < radius or x >= w - radius)
                                     and (y < radius or y >= h - radius))
                        if c == KEY:
                            self.assertTrue(in_corner,
                                            "key pixel at %d,%d" % (x, y))
                        elif in_corner and KEY == (0, 0, 255):
                            # A hard edge: no blend of the art with blue.
                            self.assertLess(c[2] - max(c[0], c[1]), 40,
                                            "bluish fringe at %d,%d" % (x, y))

    def test_control_areas_are_visible_and_text_spots_plain(self):
        for rel in RADIUS:
            im = Image.open(io.BytesIO(self.read(rel))).convert("RGB")
            key = KEY_OF.get(rel, KEY)
            for rect in VISIBLE.get(rel, []):
                with self.subTest(rel, visible=rect):
                    self.assertNotIn(key, rect_pixels(im, rect))
            grey = im.convert("L")
            for rect in PLAIN.get(rel, []):
                with self.subTest(rel, plain=rect):
                    lo, hi = grey.crop((rect[0], rect[1], rect[0] + rect[2],
                                        rect[1] + rect[3])).getextrema()
                    self.assertLess(hi, 48, "too bright for text on top")
                    self.assertLess(hi - lo, 16, "not a plain area")

    def test_panel_buttons_sit_on_the_plain_body(self):
        for rel, rects in PANEL_BUTTONS.items():
            im = Image.open(io.BytesIO(self.read(rel))).convert("RGB")
            for x, y, w, h in rects:
                with self.subTest(rel, button=(x, y, w, h)):
                    corners = {im.getpixel(p) for p in (
                        (x, y), (x + w - 1, y), (x, y + h - 1),
                        (x + w - 1, y + h - 1))}
                    self.assertEqual(corners, {PANEL_BODY})

    def test_lighting_pictures_carry_a_true_colour_wheel(self):
        import colorsys
        import math
        for rel, (cx, cy) in WHEELS.items():
            im = Image.open(io.BytesIO(self.read(rel))).convert("RGB")
            with self.subTest(rel):
                self.assertEqual(im.getpixel((cx, cy)), (255, 255, 255))
                # Hue by angle (red to the right, counter-clockwise), full
                # saturation at the rim, full value everywhere.
                for deg in range(0, 360, 15):
                    for r in (30, 70, 104):
                        x = cx + round(r * math.cos(math.radians(deg)))
                        y = cy - round(r * math.sin(math.radians(deg)))
                        red, green, blue = im.getpixel((x, y))
                        self.assertGreaterEqual(max(red, green, blue), 254)
                        hue, sat, _ = colorsys.rgb_to_hsv(
                            red / 255.0, green / 255.0, blue / 255.0)
                        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360
                        self.assertLess(
                            abs((hue * 360 - angle + 180) % 360 - 180), 4,
                            "hue at %d,%d" % (x, y))
                        dist = math.hypot(x - cx, y - cy)
                        self.assertAlmostEqual(sat, dist / 105.0, delta=0.03)
                # Just outside the circle is the panel, not the wheel.
                self.assertLess(max(im.getpixel((cx + 112, cy))), 120)
        # Both lighting pictures are cut by the shape of 142.
        shapes = []
        for rel in WHEELS:
            im = Image.open(io.BytesIO(self.read(rel))).convert("RGB")
            shapes.append([p == KEY for p in im.getdata()])
        self.assertEqual(shapes[0], shapes[1])

    def test_dial_frames_follow_the_temperature(self):
        frames = {}
        for rel in DIAL_FRAMES + ["bitmaps/1450.bmp"]:
            frames[rel] = Image.open(io.BytesIO(self.read(rel))).convert("RGB")

        def lit(rel):
            # Bright, saturated pixels: the lit arc and the needle.
            return sum(1 for r, g, b in frames[rel].getdata()
                       if max(r, g, b) > 180 and max(r, g, b) - min(r, g, b) > 120)

        counts = [lit("bitmaps/%d.bmp" % f) for f in (1300, 1301, 1340, 1380,
                                                       1397)]
        self.assertEqual(counts, sorted(counts))
        self.assertGreater(counts[-1], 3 * counts[1])
        # 1398..1401 are the full scale.
        for f in (1398, 1399, 1400):
            self.assertEqual(frames["bitmaps/%d.bmp" % f].tobytes(),
                             frames["bitmaps/1401.bmp"].tobytes())
        # The frames sit on the main window's dial spot without a seam.
        main = Image.open(io.BytesIO(self.read("bitmaps/130.bmp"))).convert(
            "RGB")
        x, y, w, h = MAIN_DIAL
        for fx, fy in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            a = frames["bitmaps/1300.bmp"].getpixel((fx, fy))
            b = main.getpixel((x + fx, y + fy))
            self.assertLess(max(abs(i - j) for i, j in zip(a, b)), 4)
        # Small enough to embed: the frames together stay under 4 MB.
        total = sum(len(self.read(rel)) for rel in DIAL_FRAMES)
        self.assertLess(total, 4 * 1024 * 1024)

    def test_every_picture_together_stays_small(self):
        total = sum(len(self.read(rel)) for rel in EXPECTED
                    if rel.endswith(".bmp"))
        self.assertLess(total, 9 * 1024 * 1024)

    def test_two_runs_give_identical_bytes(self):
        with tempfile.TemporaryDirectory() as other:
            generate_skin.generate(other)
            for rel in EXPECTED:
                with self.subTest(rel):
                    with open(os.path.join(other, *rel.split("/")),
                              "rb") as f:
                        self.assertEqual(f.read(), self.read(rel))


class IcoWriter(unittest.TestCase):
    def test_round_trip_odd_sizes(self):
        # Widths around the 32-pixel AND-mask word boundary, non-square,
        # and the 256 size stored as 0 in the directory.
        cases = [(1, 1), (5, 3), (31, 2), (32, 4), (33, 7), (18, 16),
                 (72, 26), (256, 256)]
        images = []
        for w, h in cases:
            im = Image.new("RGBA", (w, h))
            im.putdata([((x * 7) % 256, (y * 13) % 256, (x + y) % 256,
                         0 if (x + y) % 3 == 0 else 64 + (x * y) % 192)
                        for y in range(h) for x in range(w)])
            images.append(im)
        data = skinlib.ico_bytes(images)
        parsed = parse_ico(data)
        self.assertEqual([(w, h) for w, h, _, _ in parsed], cases)
        for im, back in zip(images, skinlib.read_ico(data)):
            with self.subTest(size=im.size):
                expect = [(0, 0, 0, 0) if p[3] == 0 else p
                          for p in im.getdata()]
                self.assertEqual(list(back.getdata()), expect)

    def test_rejects_bad_input(self):
        for images in ([], [Image.new("RGBA", (257, 16))],
                       [Image.new("RGBA", (16, 300))]):
            with self.subTest(sizes=[im.size for im in images]):
                with self.assertRaises(ValueError):
                    skinlib.ico_bytes(images)


class Rle8Writer(unittest.TestCase):
    def test_round_trip_through_an_independent_reader(self):
        # Runs, literal stretches of odd and even length, single pixels,
        # rows longer than one run (255) and more than 256 colours.
        w, h = 300, 5
        im = Image.new("RGB", (w, h))
        px = im.load()
        for y in range(h):
            for x in range(w):
                if y == 0:
                    px[x, y] = (10, 20, 30)
                elif y == 1:
                    px[x, y] = ((x * 37) % 256, 0, 0) if x < 7 else (5, 5, 5)
                elif y == 2:
                    px[x, y] = (x % 2 * 200, 0, 0)
                else:
                    px[x, y] = (x % 256, y * 40, (x * y) % 256)
        few = im.crop((0, 0, w, 3))
        back = Image.open(io.BytesIO(skinlib.rle8_bmp_bytes(few)))
        self.assertEqual(back.convert("RGB").tobytes(), few.tobytes())
        many = Image.open(io.BytesIO(skinlib.rle8_bmp_bytes(im)))
        self.assertEqual(many.size, (w, h))
        parse_bmp(skinlib.rle8_bmp_bytes(im))


class KeyedFinish(unittest.TestCase):
    def test_other_key_colours(self):
        canvas = Image.new("RGBA", (40, 30), (77, 0, 85, 255))
        out = skinlib.finish_keyed(canvas, 6, (77, 0, 85)).load()
        self.assertEqual(out[0, 0], (77, 0, 85))
        self.assertEqual(out[20, 15], (77, 0, 84))

    def test_pure_blue_art_stays_visible(self):
        # Art that is itself pure blue (e.g. a colour wheel) must not be
        # cut out of the window.
        canvas = Image.new("RGBA", (40, 30), KEY + (255,))
        out = skinlib.finish_keyed(canvas, 6).load()
        self.assertEqual(out[0, 0], KEY)
        self.assertEqual(out[20, 15], skinlib.KEY_SAFE)
        self.assertEqual(out[20, 0], skinlib.KEY_SAFE)


if __name__ == "__main__":
    unittest.main()
