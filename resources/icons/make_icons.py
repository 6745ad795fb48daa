#!/usr/bin/env python3
"""Draws the setup program's icons and writes them as .ico files.

Each picture is a list of filled shapes on a 32 x 32 grid, painted in order
with 4 x 4 supersampling for smooth edges, and stored at 32 and 16 pixels
(32-bit colour with alpha plus the 1-bit mask older systems read).
Run it from anywhere; it writes next to itself:  python3 make_icons.py
"""
import math
import os
import struct

SAMPLES = 4


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in < (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def polygon(*points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def segment(x0, y0, x1, y1, width):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def gear(cx, cy, r_out, r_in, r_hole, teeth):
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if d <= r_hole:
            return False
        angle = math.atan2(y - cy, x - cx) * teeth / (2 * math.pi)
        on_tooth = (angle - math.floor(angle)) < 0.5
        return d <= (r_out if on_tooth else r_in)
    return inside


def outlined(shape_outer, shape_inner, edge, fill):
    return [(shape_outer, edge), (shape_inner, fill)]


def page(x0, y0, x1, y1, fold):
    """A sheet of paper with a folded top-right corner, outline and lines."""
    outer = polygon((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    inner = polygon((x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4),
                    (x1 - 1, y1 - 1), (x0 + 1, y1 - 1))
    flap = polygon((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold))
    layers = outlined(outer, inner, DARK, WHITE)
    layers.append((flap, GREY))
    return layers


def text_lines(x0, x1, y0, count, step=3):
    return [(rect(x0, y0 + i * step, x1 - (4 if i == count - 1 else 0), y0 + i * step + 1), LINE)
            for i in range(count)]


DARK = (40, 40, 48)
WHITE = (255, 255, 255)
GREY = (190, 190, 196)
LINE = (120, 130, 150)
BLUE = (30, 90, 200)
LIGHT_BLUE = (110, 170, 240)
YELLOW = (250, 200, 60)
DARK_YELLOW = (200, 140, 20)
GREEN = (40, 160, 60)
RED = (210, 40, 40)
ORANGE = (240, 130, 30)
STEEL = (120, 130, 145)
LIGHT_STEEL = (185, 192, 204)


def icon_setup():
    # A box with an arrow going into it.
    return [
        (polygon((4, 14), (16, 20), (28, 14), (28, 27), (16, 31), (4, 27)), DARK),
        (polygon((5, 15.2), (16, 21), (16, 29.8), (5, 26.2)), LIGHT_BLUE),
        (polygon((16, 21), (27, 15.2), (27, 26.2), (16, 29.8)), BLUE),
        (rect(13, 1, 19, 9), DARK),
        (polygon((8, 8), (24, 8), (16, 17)), DARK),
        (rect(14, 2, 18, 10), GREEN),
        (polygon((10, 9), (22, 9), (16, 15.5)), GREEN),
    ]


def icon_folder():
    return [
        (polygon((2, 7), (12, 7), (15, 10), (29, 10), (29, 27), (2, 27)), DARK),
        (polygon((3, 8), (11.6, 8), (14.6, 11), (28, 11), (28, 26), (3, 26)), DARK_YELLOW),
        (polygon((2, 13), (30, 13), (28, 27), (2, 27)), DARK),
        (polygon((3, 14), (28.8, 14), (27.1, 26), (3, 26)), YELLOW),
    ]


def icon_plugin():
    # A page of the document and the plug that shows it.
    layers = page(4, 2, 24, 30, 6)
    layers += text_lines(7, 17, 11, 4)
    layers += [
        (rounded(15, 17, 29, 27, 2), DARK),
        (rounded(16, 18, 28, 26, 1.5), ORANGE),
        (rect(18, 26, 20, 31), DARK),
        (rect(24, 26, 26, 31), DARK),
    ]
    return layers


def icon_copy():
    # Two pages and the arrow from one to the other.
    layers = page(2, 2, 17, 22, 5) + text_lines(5, 12, 9, 3)
    layers += page(15, 10, 30, 30, 5) + text_lines(18, 25, 17, 3)
    layers += [
        (segment(6, 25, 12, 25, 3), GREEN),
        (polygon((11, 21), (16, 25), (11, 29)), GREEN),
    ]
    return layers


def icon_read():
    # A page under a magnifying glass.
    layers = page(3, 2, 23, 30, 6) + text_lines(6, 18, 10, 5)
    layers += [
        (segment(21, 21, 28, 28, 4.5), DARK),
        (circle(17, 17, 7.5), DARK),
        (circle(17, 17, 5.8), LIGHT_BLUE),
        (ring(17, 17, 6.4, 5.8), LIGHT_STEEL),
    ]
    return layers


def icon_remove():
    # A waste bin.
    layers = [
        (rounded(12, 2, 20, 7, 1.5), DARK),
        (rect(13.5, 3.5, 18.5, 6), LIGHT_STEEL),
        (rounded(4, 6, 28, 10, 1), DARK),
        (rect(5, 7, 27, 9), STEEL),
        (polygon((6, 10), (26, 10), (24, 30), (8, 30)), DARK),
        (polygon((7.2, 11), (24.8, 11), (23.1, 29), (8.9, 29)), LIGHT_STEEL),
    ]
    for x in (11.5, 16, 20.5):
        layers.append((rect(x - 0.75, 13, x + 0.75, 27), STEEL))
    return layers


def icon_alert():
    # A warning triangle.
    return [
        (polygon((16, 1.5), (31, 29), (1, 29)), DARK),
        (polygon((16, 4.2), (28.6, 27.6), (3.4, 27.6)), YELLOW),
        (polygon((14.3, 11), (17.7, 11), (17, 21), (15, 21)), DARK),
        (circle(16, 24.2, 1.7), DARK),
    ]


def icon_register():
    # A gear: the system's settings.
    return [
        (gear(16, 16, 14.5, 11, 4.5, 10), DARK),
        (gear(16, 16, 13.3, 9.8, 5.6, 10), LIGHT_STEEL),
        (ring(16, 16, 9, 7.5), STEEL),
    ]


ICONS = {
    "setup.ico": icon_setup,
    "folder.ico": icon_folder,
    "plugin.ico": icon_plugin,
    "copy.ico": icon_copy,
    "read.ico": icon_read,
    "remove.ico": icon_remove,
    "alert.ico": icon_alert,
    "register.ico": icon_register,
}


def render(layers, size):
    """RGBA rows, top row first, of the 32-unit picture scaled to size pixels."""
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for shape, colour in layers:
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        x = (px + (sx + 0.5) / SAMPLES) * scale
                        y = (py + (sy + 0.5) / SAMPLES) * scale
                        hits += shape(x, y)
                cover = hits / (SAMPLES * SAMPLES)
                if cover:
                    # Premultiplied "over".
                    r = colour[0] * cover + r * (1 - cover)
                    g = colour[1] * cover + g * (1 - cover)
                    b = colour[2] * cover + b * (1 - cover)
                    a = cover + a * (1 - cover)
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def ico(layers, sizes=(32, 16)):
    images = [dib(render(layers, size)) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, picture in ICONS.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(ico(picture()))


if __name__ == "__main__":
    main()
