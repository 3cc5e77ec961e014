#!/usr/bin/python3
"""Regenerate Lucen's pictures (icon, logo, hand cursor) in this folder.

Run with Debian's interpreter, which has python3-pil:
    /usr/bin/python3 assets/make_assets.py
Every output is byte-for-byte identical from run to run.
"""
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))

# The classic 16-colour VGA palette, in the order the .ico palette stores it.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
       (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
       (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
       (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREEN = 0, 10

# Coloured cells of the 6 x 6 board: two "press" patterns (a cell and its four
# neighbours, what one move toggles), as if half-way through a game.
BOARD = [".#....",
         "###...",
         ".#....",
         "....#.",
         "...###",
         "....#."]
CELL, GAP, ORIGIN = 4, 1, 2   # 6*4 + 5*1 = 29 px, so 2 px margin top/left


def icon_indices():
    """32 x 32 palette indices of the icon, top row first."""
    px = [[BLACK] * 32 for _ in range(32)]
    for r, row in enumerate(BOARD):
        for c, ch in enumerate(row):
            if ch != "#":
                continue
            x0, y0 = ORIGIN + c * (CELL + GAP), ORIGIN + r * (CELL + GAP)
            for y in range(y0, y0 + CELL):
                for x in range(x0, x0 + CELL):
                    px[y][x] = GREEN
    return px


def ico_bytes(px):
    """A one-image 32 x 32 4-bpp .ico, laid out by hand."""
    xor = bytearray()
    for row in reversed(px):                     # DIB rows are bottom-up
        for x in range(0, 32, 2):
            xor.append(row[x] << 4 | row[x + 1])  # high nibble = left pixel
    mask = bytes(32 * 4)                        # all 0 = every pixel opaque
    palette = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in VGA)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + mask
    assert len(xor) == 512 and len(image) == 744
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    data = icondir + entry + image
    assert len(data) == 766
    return data


def icon_png(px, size):
    img = Image.new("RGBA", (32, 32))
    img.putdata([VGA[i] + (255,) for row in px for i in row])
    return img.resize((size, size), Image.NEAREST)


def limb(d, a, b, w, fill):
    """A thick stroke with round ends, for the figure's arms and legs."""
    d.line([a, b], fill=fill, width=w)
    for x, y in (a, b):
        d.ellipse([x - w / 2, y - w / 2, x + w / 2, y + w / 2], fill=fill)


def logo():
    """Blue round emblem with a seated, thinking figure; drawn at 4x."""
    S, W, H = 4, 230, 229
    img = Image.new("RGB", (W * S, H * S), (0, 0, 0))
    d = ImageDraw.Draw(img)
    cx, cy = 115 * S, 114.5 * S

    def disc(r, fill, ox=0.0, oy=0.0):
        x, y = cx + ox * S, cy + oy * S
        d.ellipse([x - r * S, y - r * S, x + r * S, y + r * S], fill=fill)

    disc(108, (70, 130, 230))        # bright rim
    disc(105, (20, 55, 150))         # deep blue ring
    disc(95, (110, 170, 245))        # thin light edge of the inner disc
    # Inner disc: a soft gradient whose light centre sits a little high.
    steps = 60
    for i in range(steps):
        t = i / (steps - 1)
        col = tuple(round(a + (b - a) * t)
                    for a, b in zip((35, 85, 190), (150, 205, 255)))
        disc(93 * (1 - 0.8 * t), col, oy=-18 * t)
    # Floor shadow under the figure.
    d.ellipse([72 * S, 160 * S, 172 * S, 176 * S], fill=(25, 60, 150))

    ink = (10, 14, 34)
    P = lambda *pts: [(x * S, y * S) for x, y in pts]
    d.polygon(P((100, 90), (116, 95), (106, 128), (98, 164), (72, 164),
                (75, 130)), fill=ink)                       # torso and seat
    d.ellipse(P((76, 90), (112, 142)), fill=ink)            # hunched back
    limb(d, *P((90, 154), (142, 112)), 24 * S, ink)         # thigh
    limb(d, *P((142, 112), (150, 162)), 17 * S, ink)        # shin
    d.ellipse(P((140, 156), (170, 169)), fill=ink)          # foot
    limb(d, *P((104, 100), (140, 110)), 14 * S, ink)        # upper arm
    limb(d, *P((140, 110), (127, 86)), 12 * S, ink)         # forearm
    d.ellipse(P((119, 78), (135, 92)), fill=ink)            # hand at chin
    limb(d, *P((106, 92), (112, 84)), 12 * S, ink)          # neck
    d.ellipse(P((103, 56), (131, 84)), fill=ink)            # head, bowed
    return img.resize((W, H), Image.LANCZOS)


# The pointing hand: '#' black, 'o' white, '.' transparent. The fingertip
# sits on (0, 0) so that pixel can be the hot spot.
HAND = """
###
#oo#
#ooo#
#ooo#
#ooo#
#ooo#
#ooo#
#ooo####
#ooo#ooo####
#ooo#ooo#ooo#
#ooo#ooo#ooo####
#ooo#ooo#ooo#ooo#
#ooo#ooo#ooo#ooo#
#ooooooooooooooo#
#ooooo####oooooo#
#oooo#oooo#ooooo#
#ooo#oooo#oooooo#
#oo#oooo#ooooooo#
#o#oooo#oooooooo#
##ooooooooooooo#
#oooooooooooooo#
.#ooooooooooooo#
..#oooooooooooo#
..#############
..#ooooooooooo#
..#ooooooooooo#
..#ooooooooooo#
..#############
""".strip("\n").split("\n")


def hand_rows():
    rows = [r.ljust(32, ".") for r in HAND]
    rows += ["." * 32] * (32 - len(rows))
    assert len(rows) == 32 and all(len(r) == 32 for r in rows)
    return rows


def xbm_text(name, rows, on):
    """X BitMap source; bits are least-significant first within each byte."""
    data = []
    for row in rows:
        for x in range(0, 32, 8):
            data.append(sum(1 << i for i in range(8) if row[x + i] in on))
    body = ",\n".join(
        "   " + ", ".join("0x%02x" % b for b in data[i:i + 12])
        for i in range(0, len(data), 12))
    # Width and height must be the first two lines: that is what readers expect.
    return ("#define %s_width 32\n#define %s_height 32\n"
            "#define %s_x_hot 0\n#define %s_y_hot 0\n"
            "static unsigned char %s_bits[] = {\n%s};\n"
            % (name, name, name, name, name, body))


def hand_png(rows, size):
    colour = {"#": (0, 0, 0, 255), "o": (255, 255, 255, 255),
              ".": (0, 0, 0, 0)}
    img = Image.new("RGBA", (32, 32))
    img.putdata([colour[ch] for row in rows for ch in row])
    return img.resize((size, size), Image.NEAREST)


def main():
    out = lambda name: os.path.join(HERE, name)
    px = icon_indices()
    with open(out("lucen.ico"), "wb") as f:
        f.write(ico_bytes(px))
    for size in (32, 64, 128, 256):
        icon_png(px, size).save(out("lucen_%d.png" % size), optimize=False)

    # Baseline JFIF, 4:4:4, no EXIF, no optimisation pass: stable bytes.
    logo().save(out("logo.jpg"), "JPEG", quality=88, subsampling=0,
                optimize=False, progressive=False)

    rows = hand_rows()
    with open(out("hand_cursor.xbm"), "w", newline="\n") as f:
        f.write(xbm_text("hand_cursor", rows, "#"))
    with open(out("hand_cursor_mask.xbm"), "w", newline="\n") as f:
        f.write(xbm_text("hand_cursor_mask", rows, "#o"))
    for size in (32, 64):
        hand_png(rows, size).save(out("hand_cursor_%d.png" % size))


if __name__ == "__main__":
    main()
