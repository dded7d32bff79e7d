#!/usr/bin/python3
"""Render every picture and icon of a generated skin into PNG sheets.

    /usr/bin/python3 tools/skin/gallery.py SKIN_DIR OUT_DIR

Writes OUT_DIR/gallery.png (every background at full size, every icon at
twice its size with its name, and all dial frames as thumbnails) and
OUT_DIR/dial.png (a few dial frames at full size with the number plate
and a printed number, as the program draws them).  Key-colour pixels are
shown as a checkerboard so the window shapes can be judged.
"""

import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dial  # noqa: E402
import panels  # noqa: E402
import skinlib as sk  # noqa: E402

SHEET_BG = (60, 64, 70)
KEYS = {"136.bmp": panels.INFO_KEY}


def checker(size):
    im = Image.new("RGB", size, (200, 200, 200))
    d = ImageDraw.Draw(im)
    for y in range(0, size[1], 8):
        for x in range((y // 8 % 2) * 8, size[0], 16):
            d.rectangle((x, y, x + 7, y + 7), fill=(150, 150, 150))
    return im


def show_keyed(path):
    im = Image.open(path).convert("RGB")
    key = KEYS.get(os.path.basename(path), sk.KEY)
    px = im.load()
    m = Image.new("L", im.size, 0)
    mp = m.load()
    for y in range(im.size[1]):
        for x in range(im.size[0]):
            if px[x, y] == key:
                mp[x, y] = 255
    out = im.copy()
    out.paste(checker(im.size), (0, 0), m)
    return out


def label(im, text):
    tile = Image.new("RGB", (max(im.size[0], 60), im.size[1] + 16), SHEET_BG)
    tile.paste(im, (0, 16))
    sk.draw_text(tile, (0, 2), text, sk.font(10, "regular"), (235, 235, 235))
    return tile


def flow(tiles, width, pad=10):
    rows, row, x, h = [], [], 0, 0
    for t in tiles:
        if row and x + t.size[0] > width:
            rows.append((row, h))
            row, x, h = [], 0, 0
        row.append(t)
        x += t.size[0] + pad
        h = max(h, t.size[1])
    if row:
        rows.append((row, h))
    sheet = Image.new("RGB", (width, sum(h + pad for _, h in rows) + pad),
                      SHEET_BG)
    y = pad
    for row, h in rows:
        x = pad
        for t in row:
            sheet.paste(t, (x, y))
            x += t.size[0] + pad
        y += h + pad
    return sheet


def main(skin, out):
    os.makedirs(out, exist_ok=True)
    bdir = os.path.join(skin, "bitmaps")
    names = sorted(os.listdir(bdir), key=lambda n: int(n.split(".")[0]))
    backgrounds = [n for n in names if int(n.split(".")[0]) < 1300]
    frames = [n for n in names if 1300 <= int(n.split(".")[0]) <= 1401]
    tiles = [label(show_keyed(os.path.join(bdir, n)), n) for n in backgrounds]
    icons = []
    idir = os.path.join(skin, "icons")
    for n in sorted(os.listdir(idir), key=str.lower):
        with open(os.path.join(idir, n), "rb") as f:
            images = sk.read_ico(f.read())
        im = images[-1]
        big = im.resize((im.size[0] * 2, im.size[1] * 2), Image.NEAREST)
        tile = Image.new("RGB", big.size, SHEET_BG)
        tile.paste(big, (0, 0), big)
        icons.append(label(tile, n))
    with open(os.path.join(skin, "app.ico"), "rb") as f:
        for im in sk.read_ico(f.read()):
            tile = Image.new("RGB", im.size, SHEET_BG)
            tile.paste(im, (0, 0), im)
            icons.append(label(tile, "app %d" % im.size[0]))
    thumbs = []
    for n in frames:
        im = Image.open(os.path.join(bdir, n)).convert("RGB")
        thumbs.append(label(im.resize((110, 101), Image.LANCZOS), n))
    parts = [flow(tiles, 2000), flow(icons, 2000), flow(thumbs, 2000)]
    sheet = Image.new("RGB", (2000, sum(p.size[1] for p in parts)), SHEET_BG)
    y = 0
    for p in parts:
        sheet.paste(p, (0, y))
        y += p.size[1]
    sheet.save(os.path.join(out, "gallery.png"))

    # A few frames as the program shows them: plate and number on top.
    shown = []
    plate = Image.open(os.path.join(bdir, "1450.bmp")).convert("RGB")
    for frame, number in ((1300, 0), (1301, 15), (1318, 40), (1343, 65),
                          (1367, 89), (1397, 119), (1401, 125)):
        im = Image.open(os.path.join(bdir, "%d.bmp" % frame)).convert("RGB")
        im.paste(plate, dial.OVERLAY_AT)
        sk.draw_text(im, dial.NUMBER_AT, "%d" % number, sk.font(18, "bold"),
                     sk.ACCENT)
        shown.append(label(im, "%d.bmp + 1450 + %d" % (frame, number)))
    flow(shown, 1400).save(os.path.join(out, "dial.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
