#!/usr/bin/env python3
"""Draws the theme compiler's desktop icon in every hicolor size.

The icon is the one the theme compiler shows in its help window (pixelkiln/pixelkiln.png, 32 by
32): a red kiln with rounded corners and an orange gem rising out of it, lit by a white glint.
Here it is drawn from shapes, so each size is sharp rather than a blown-up copy. Writes
pixelkiln-<size>.png into dist/icons/ (or the folder given), deterministic like make_assets.py.

    python3 tools/make_pixelkiln_icons.py [output folder]
"""

import os
import sys

from make_assets import ICON_SIZES, write_png

DESIGN = 32.0  # the shapes are laid out on the 32-unit grid of the original icon
KILN = (192, 64, 32)
GEM = (240, 160, 48)
GEM_EDGE = (230, 139, 44)
GLINT = (255, 255, 255)
SUPER = 4  # supersampling per axis


def rounded_rectangle(left, top, right, bottom, radius):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        dx = max(left + radius - x, 0.0, x - (right - radius))
        dy = max(top + radius - y, 0.0, y - (bottom - radius))
        return dx * dx + dy * dy <= radius * radius

    return inside


def diamond(cx, cy, half_width, half_height):
    return lambda x, y: abs(x - cx) / half_width + abs(y - cy) / half_height <= 1.0


def disc(cx, cy, radius):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


# Back to front: the kiln, the gem with a darker rim, its glint.
LAYERS = (
    (rounded_rectangle(2.0, 6.0, 30.0, 30.0, 3.5), KILN),
    (diamond(16.0, 15.5, 11.4, 13.4), GEM_EDGE),
    (diamond(16.0, 15.5, 10.6, 12.6), GEM),
    (disc(13.8, 12.2, 2.5), GLINT),
)


def icon_pixels(size):
    """Rows of (r, g, b, a): each pixel averages SUPER x SUPER samples of the layered shapes."""
    unit = DESIGN / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total, red, green, blue = 0, 0.0, 0.0, 0.0
            for sy in range(SUPER):
                for sx in range(SUPER):
                    x = (px + (sx + 0.5) / SUPER) * unit
                    y = (py + (sy + 0.5) / SUPER) * unit
                    colour = None
                    for shape, fill in LAYERS:
                        if shape(x, y):
                            colour = fill
                    if colour is not None:
                        total += 1
                        red, green, blue = red + colour[0], green + colour[1], blue + colour[2]
            if total == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * total / (SUPER * SUPER))
                row.append((round(red / total), round(green / total), round(blue / total), alpha))
        rows.append(row)
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "dist", "icons")
    os.makedirs(folder, exist_ok=True)
    for size in ICON_SIZES:
        write_png(os.path.join(folder, f"pixelkiln-{size}.png"), icon_pixels(size))


if __name__ == "__main__":
    main()
