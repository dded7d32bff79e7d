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
}

# Window corner radius (largest accepted) per background.
RADIUS = {"bitmaps/130.bmp": 14, "bitmaps/149.bmp": 10}


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
}
VISIBLE = {
    "bitmaps/130.bmp": MAIN_PANELS + MAIN_TEXT_SPOTS + [MAIN_DIAL]
    + MAIN_BUTTONS,
    "bitmaps/149.bmp": [MSG_TEXT] + MSG_BUTTONS,
}


def parse_bmp(data):
    """(width, height, bits per pixel) from a BMP file, checking it is the
    plain uncompressed form LoadImage reads."""
    assert data[:2] == b"BM", "not a BMP"
    file_size, _, pixel_offset = struct.unpack_from("<I I I", data, 2)
    assert file_size == len(data), "BMP size field is wrong"
    hdr_size, w, h, planes, bpp, compression = struct.unpack_from(
        "<IiiHHI", data, 14)
    assert hdr_size == 40 and planes == 1 and compression == 0
    stride = (w * bpp // 8 + 3) & ~3
    assert pixel_offset + stride * abs(h) <= len(data), "pixel data truncated"
    return w, h, bpp


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
                    w, h, bpp = parse_bmp(data)
                    self.assertEqual([(w, abs(h))], sizes)
                    self.assertEqual(bpp, 24)
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
                    if rel in generate_skin.PLACEMENTS:
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
                if rel not in generate_skin.PLACEMENTS:
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
                        elif in_corner:
                            # A hard edge: no blend of the art with blue.
                            self.assertLess(c[2] - max(c[0], c[1]), 40,
                                            "bluish fringe at %d,%d" % (x, y))

    def test_control_areas_are_visible_and_text_spots_plain(self):
        for rel in RADIUS:
            im = Image.open(io.BytesIO(self.read(rel))).convert("RGB")
            for rect in VISIBLE[rel]:
                with self.subTest(rel, visible=rect):
                    self.assertNotIn(KEY, rect_pixels(im, rect))
            grey = im.convert("L")
            for rect in PLAIN[rel]:
                with self.subTest(rel, plain=rect):
                    lo, hi = grey.crop((rect[0], rect[1], rect[0] + rect[2],
                                        rect[1] + rect[3])).getextrema()
                    self.assertLess(hi, 48, "too bright for text on top")
                    self.assertLess(hi - lo, 16, "not a plain area")

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


class KeyedFinish(unittest.TestCase):
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
