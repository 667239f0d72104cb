#!/usr/bin/env python3
"""Draws the program's pictures: the two button glyphs, the decorative
picture and the window icon. Run it from this folder; the outputs are
committed so that building needs no Python.

Glyphs are 36 x 18 bitmaps, the normal image and the greyed one side by
side; their bottom-left pixel's colour marks the transparent pixels."""
import math
import struct

KEY = (255, 0, 255)  # transparent


def write_bmp(path, pixels):
    height, width = len(pixels), len(pixels[0])
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (row_size - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def canvas(w, h, colour):
    return [[colour for _ in range(w)] for _ in range(h)]


def greyed(image):
    """The disabled look: dark pixels become grey with a white shadow."""
    h, w = len(image), len(image[0])
    out = canvas(w, h, KEY)
    for y in range(h):
        for x in range(w):
            if image[y][x] != KEY:
                if y + 1 < h and x + 1 < w:
                    out[y + 1][x + 1] = (255, 255, 255)
    for y in range(h):
        for x in range(w):
            if image[y][x] != KEY:
                out[y][x] = (128, 128, 128)
    return out


def side_by_side(a, b):
    return [ra + rb for ra, rb in zip(a, b)]


def check_mark():
    img = canvas(18, 18, KEY)
    green, dark = (0, 160, 0), (0, 96, 0)
    # A thick tick: down-stroke from (3, 9) to (7, 13), up-stroke to (15, 4).
    def stroke(x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 4
        for s in range(steps + 1):
            x = x0 + (x1 - x0) * s / steps
            y = y0 + (y1 - y0) * s / steps
            for dx in (0, 1):
                for dy in (0, 1, 2):
                    px, py = int(round(x)) + dx, int(round(y)) + dy
                    if 0 <= px < 18 and 0 <= py < 18:
                        img[py][px] = colour
    stroke(3, 8, 7, 12, green)
    stroke(7, 12, 15, 3, green)
    stroke(4, 10, 7, 13, dark)
    return img


def open_door():
    img = canvas(18, 18, KEY)
    frame, door, light, knob = (96, 64, 32), (160, 96, 48), (255, 255, 160), (255, 215, 0)
    for y in range(2, 17):  # the door frame, lit from the open doorway
        img[y][4] = frame
        img[y][13] = frame
        for x in range(5, 13):
            img[y][x] = light
    for x in range(4, 14):
        img[2][x] = frame
    for y in range(3, 17):  # the door itself, swung open towards us
        slant = (y - 3) // 5
        for x in range(9 - slant, 14):
            img[y][x] = door
    for x in range(2, 16):
        img[17][x] = (64, 64, 64)
    img[10][10] = knob
    img[10][11] = knob
    return img


def picture():
    """A small landscape: evening sky, sun, hills and a field of dots in the
    two groups' colours settling into patches."""
    w = h = 110
    img = canvas(w, h, (0, 0, 0))
    for y in range(h):
        for x in range(w):
            t = y / h
            img[y][x] = (int(40 + 180 * t), int(60 + 90 * t), int(140 - 60 * t))
    for y in range(h):
        for x in range(w):
            if (x - 78) ** 2 + (y - 34) ** 2 <= 12 ** 2:
                img[y][x] = (255, 220, 120)
    for x in range(w):
        hill = 62 + 8 * math.sin(x / 13.0) + 4 * math.sin(x / 5.0 + 1)
        for y in range(int(hill), h):
            img[y][x] = (30, int(90 + 40 * math.sin(x / 17.0)), 40)
    for cy in range(76, 108, 6):
        for cx in range(4, 108, 6):
            colour = (0, 255, 255) if (cx // 30 + cy // 18) % 2 == 0 else (255, 0, 0)
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    if abs(dx) + abs(dy) < 2:
                        img[cy + dy][cx + dx] = colour
    return img


def icon_xpm(path):
    """A 32 x 32 window icon in 16 colours: a black map with aqua and red
    discs gathered into two neighbourhoods."""
    palette = {
        " ": "None", ".": "#000000", "a": "#00FFFF", "r": "#FF0000", "w": "#FFFFFF",
        "g": "#808080", "d": "#404040", "n": "#000080", "y": "#FFFF00", "G": "#00FF00",
        "b": "#0000FF", "m": "#FF00FF", "o": "#808000", "t": "#008080", "R": "#800000",
        "s": "#C0C0C0",
    }
    rows = [["."] * 32 for _ in range(32)]
    for x in range(32):
        rows[0][x] = rows[31][x] = "g"
    for y in range(32):
        rows[y][0] = rows[y][31] = "g"
    for cy in range(2, 30, 4):
        for cx in range(2, 30, 4):
            if (cx * 7 + cy * 3) % 9 == 0:
                continue  # an empty cell
            colour = "a" if cx + (cy // 2) < 30 else "r"
            for dy in range(3):
                for dx in range(3):
                    if not (dx != 1 and dy != 1):
                        continue
                    rows[cy + dy][cx + dx] = colour
    with open(path, "w") as f:
        f.write("/* XPM */\nstatic const char *vorendal[] = {\n")
        f.write('"32 32 %d 1",\n' % len(palette))
        for key, value in palette.items():
            f.write('"%s c %s",\n' % (key, value))
        f.write(",\n".join('"%s"' % "".join(r) for r in rows))
        f.write("\n};\n")


if __name__ == "__main__":
    write_bmp("start_glyph.bmp", side_by_side(check_mark(), greyed(check_mark())))
    write_bmp("end_glyph.bmp", side_by_side(open_door(), greyed(open_door())))
    write_bmp("picture.bmp", picture())
    icon_xpm("vorendal.xpm")
