#!/usr/bin/env python3
"""Draws the game's built-in artwork and synthesises its three sound effects.

Writes into game/resources/: the seven piece faces, the two cell frames and the three
sparkle stages as 24-bit BMP files named by resource id, the program icon as PNG files, and
the sounds 124, 125 and 126 as WAVE files. Uses only the Python standard library and is
deterministic: rerunning it reproduces the same bytes.

    python3 tools/make_assets.py [output folder]
"""

import math
import os
import random
import struct
import sys
import wave
import zlib

WHITE = (255, 255, 255)  # the transparent colour of every game bitmap
BRIGHTEST = 250  # no drawn pixel gets brighter than this in all channels, so none turns transparent
SUPER = 4  # supersampling per axis for the soft inner edges


# ----------------------------------------------------------------------------- image files


def write_bmp(path, pixels):
    """Writes rows of (r, g, b) as an uncompressed 24-bit bottom-up BMP."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        image += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + image)


def write_png(path, pixels):
    """Writes rows of (r, g, b, a) as an 8-bit RGBA PNG."""
    height, width = len(pixels), len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for px in row:
            raw += bytes(px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
                  chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# ----------------------------------------------------------------------------- colour helpers


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def scale(c, f):
    return tuple(x * f for x in c)


def to_bytes(c):
    r, g, b = (max(0, min(255, int(round(x)))) for x in c)
    if min(r, g, b) > BRIGHTEST:
        r, g, b = (min(x, BRIGHTEST) for x in (r, g, b))
    return (r, g, b)


# ----------------------------------------------------------------------------- shapes
# Shapes are inside-tests on design coordinates of a 28-unit face (origin top-left).


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def stroke(points, width):
    """A polyline of the given width with round caps."""
    half2 = (width / 2.0) ** 2
    segments = list(zip(points, points[1:]))

    def inside(x, y):
        for (ax, ay), (bx, by) in segments:
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            px, py = ax + t * dx - x, ay + t * dy - y
            if px * px + py * py <= half2:
                return True
        return False

    return inside


def curve(f, x0, x1, steps=24):
    return [(x0 + (x1 - x0) * i / steps, f(x0 + (x1 - x0) * i / steps)) for i in range(steps + 1)]


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


# ----------------------------------------------------------------------------- faces

INK = (38, 22, 34)  # eyes, mouths and brows
GLINT = (250, 250, 246)
MOUTH = (120, 24, 40)
TONGUE = (232, 96, 110)


def sphere_shade(base, x, y, cx, cy, radius):
    """Soft ball shading lit from the upper left, with a small highlight."""
    nx, ny = (x - cx) / radius, (y - cy) / radius
    nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
    lx, ly, lz = -0.45, -0.55, 0.70
    norm = math.sqrt(lx * lx + ly * ly + lz * lz)
    diffuse = max(0.0, (nx * lx + ny * ly + nz * lz) / norm)
    colour = mix(scale(base, 0.62), base, min(1.0, diffuse * 1.25))
    # a light band near the top-left, stronger at the glint
    hx, hy = x - (cx - radius * 0.42), y - (cy - radius * 0.48)
    glow = math.exp(-(hx * hx + hy * hy) / (2 * (radius * 0.22) ** 2))
    return mix(colour, (255, 255, 255), 0.65 * glow)


def eyes(kind):
    left, right = (9.6, 11.4), (18.4, 11.4)
    rx, ry = (2.0, 2.9) if kind != "wide" else (2.3, 3.1)
    shapes = [ellipse(*left, rx, ry), ellipse(*right, rx, ry)]
    glints = [ellipse(left[0] - 0.6, left[1] - 1.1, 0.85, 0.95),
              ellipse(right[0] - 0.6, right[1] - 1.1, 0.85, 0.95)]
    if kind == "happy":  # eyes shut with joy: two upturned arcs
        arc = lambda cx: curve(lambda x: 12.6 - 2.6 * (1 - ((x - cx) / 2.5) ** 2), cx - 2.5, cx + 2.5, 10)
        return [(union(stroke(arc(left[0]), 1.7), stroke(arc(right[0]), 1.7)), INK)]
    return [(union(*shapes), INK), (union(*glints), GLINT)]


def brows(kind):
    if kind == "sad":  # inner ends raised
        return [(union(stroke([(6.8, 7.2), (11.0, 5.6)], 1.4), stroke([(17.0, 5.6), (21.2, 7.2)], 1.4)), INK)]
    if kind == "angry":  # inner ends pulled down
        return [(union(stroke([(6.6, 5.4), (11.4, 7.6)], 1.6), stroke([(16.6, 7.6), (21.4, 5.4)], 1.6)), INK)]
    if kind == "raised":
        arc_l = curve(lambda x: 6.2 - 1.3 * (1 - ((x - 9.6) / 2.6) ** 2), 7.0, 12.2, 8)
        arc_r = curve(lambda x: 6.2 - 1.3 * (1 - ((x - 18.4) / 2.6) ** 2), 15.8, 21.0, 8)
        return [(union(stroke(arc_l, 1.2), stroke(arc_r, 1.2)), INK)]
    return []


def cheeks(base):
    blush = mix(base, (255, 96, 128), 0.6)
    return [(union(ellipse(6.4, 16.4, 1.9, 1.2), ellipse(21.6, 16.4, 1.9, 1.2)), blush)]


def mouth_smile():
    return [(stroke(curve(lambda x: 16.8 + 3.2 * (1 - ((x - 14) / 5.4) ** 2), 8.6, 19.4), 1.7), INK)]


def mouth_grin():
    outer = lambda x, y: 16.2 <= y <= 16.2 + 5.6 * (1 - ((x - 14) / 6.2) ** 2)
    tongue = ellipse(14.0, 21.2, 2.8, 1.7)
    return [(outer, INK), (lambda x, y: outer(x, y) and y > 17.0 and not tongue(x, y), MOUTH),
            (lambda x, y: outer(x, y) and y > 17.0 and tongue(x, y), TONGUE),
            (lambda x, y: outer(x, y) and 16.9 <= y <= 17.9 and abs(x - 14) < 4.6, (246, 244, 236))]


def mouth_frown():
    return [(stroke(curve(lambda x: 21.0 - 2.8 * (1 - ((x - 14) / 5.0) ** 2), 9.0, 19.0), 1.7), INK)]


def mouth_wavy():
    return [(stroke(curve(lambda x: 18.8 + 1.5 * math.sin((x - 8.0) / 12.0 * 3 * math.pi), 8.0, 20.0, 40),
                    1.6), INK)]


def mouth_o(rx, ry, cy):
    ring = ellipse(14.0, cy, rx, ry)
    inner = ellipse(14.0, cy + 0.3, rx - 1.2, ry - 1.3)
    return [(ring, INK), (inner, MOUTH)]


def mouth_moustache():
    hair = (92, 46, 20)
    body = union(ellipse(10.6, 18.4, 3.9, 1.9), ellipse(17.4, 18.4, 3.9, 1.9),
                 stroke([(6.9, 18.2), (5.6, 16.4)], 1.6), stroke([(21.1, 18.2), (22.4, 16.4)], 1.6))
    edge_of = lambda s: lambda x, y: s(x, y) and not (s(x - 0.7, y) and s(x + 0.7, y) and
                                                      s(x, y - 0.7) and s(x, y + 0.7))
    return [(body, hair), (edge_of(body), INK),
            (stroke([(12.0, 21.6), (16.0, 21.6)], 1.3), INK)]


FACES = {  # resource id: colour, eye kind, brow kind, mouth, cheeks
    121: ((46, 196, 232), "happy", None, mouth_smile(), True),  # cyan smiling
    116: ((146, 84, 214), "plain", "sad", mouth_frown(), False),  # purple frowning
    117: ((232, 66, 190), "plain", "raised", mouth_wavy(), False),  # magenta, wavy mouth
    118: ((70, 196, 72), "wide", "raised", mouth_o(2.7, 3.1, 19.6), False),  # green, o-mouth
    119: ((250, 212, 44), "plain", None, mouth_grin(), True),  # yellow smiling
    120: ((250, 140, 34), "plain", None, mouth_moustache(), False),  # orange, moustache mouth
    115: ((226, 48, 44), "plain", "angry", mouth_o(3.0, 2.8, 20.0), False),  # red, o-mouth
}


def shine(base):
    return [(ellipse(6.6, 8.0, 1.5, 1.0), mix(base, (255, 255, 255), 0.8))]


def face_layers(base, eye_kind, brow_kind, mouth, blush):
    layers = shine(base) + eyes(eye_kind) + brows(brow_kind) + mouth
    return (cheeks(base) if blush else []) + layers


def crisp(coverage):
    """Steepens partial coverage so features stay sharp pixel art with only a soft edge."""
    return max(0.0, min(1.0, (coverage - 0.25) / 0.5))


def draw_face(size, base, layers, unit):
    """Renders a face into size x size pixels; returns rows of ((r, g, b), coverage)."""
    centre, radius = size / 2.0, size / 2.0 - unit * 1.0
    outline = mix(scale(base, 0.28), (24, 14, 30), 0.55)
    line = max(unit, 1.0)  # one design unit, but never thinner than a pixel
    offsets = [((sx + 0.5) / SUPER, (sy + 0.5) / SUPER) for sy in range(SUPER) for sx in range(SUPER)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            points = [(px + ox, py + oy) for ox, oy in offsets]
            dist = [math.hypot(x - centre, y - centre) for x, y in points]
            cover = sum(d <= radius for d in dist) / len(points)
            if cover == 0:
                row.append((WHITE, 0.0))
                continue
            x, y = px + 0.5, py + 0.5
            colour = sphere_shade(base, x, y, centre, centre, radius)
            for shape, ink in layers:
                share = sum(shape(qx / unit, qy / unit) for qx, qy in points) / len(points)
                colour = mix(colour, ink, crisp(share))
            ring = sum(radius - line < d <= radius for d in dist) / max(1, sum(d <= radius for d in dist))
            row.append((mix(colour, outline, crisp(ring)), cover))
        rows.append(row)
    return rows


def face_bitmap(base, layers):
    """28 x 28 on pure white: a pixel belongs to the face when its centre does (hard silhouette)."""
    rows = draw_face(28, base, layers, 1.0)
    out = []
    for py, row in enumerate(rows):
        line = []
        for px, (colour, _) in enumerate(row):
            inside = math.hypot(px + 0.5 - 14, py + 0.5 - 14) <= 13.0
            line.append(to_bytes(colour) if inside else WHITE)
        out.append(line)
    return harden_outline(out)


def harden_outline(pixels):
    """Darkens every face pixel that touches the white ground, so the edge never fades out."""
    size = len(pixels)
    result = [list(r) for r in pixels]
    for y in range(size):
        for x in range(size):
            if pixels[y][x] == WHITE:
                continue
            near = [(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))]
            if any(not (0 <= nx < size and 0 <= ny < size) or pixels[ny][nx] == WHITE for nx, ny in near):
                result[y][x] = to_bytes(mix(pixels[y][x], (20, 12, 24), 0.5))
    return result


# ----------------------------------------------------------------------------- frames


def frame_bitmap(light, dark, edge):
    """30 x 30 white with an L-shaped mark in each corner."""
    size, arm, thick = 30, 9, 4
    in_mark = lambda x, y: (x < arm and y < thick) or (x < thick and y < arm)

    def mark(x, y):  # fold every corner onto the top-left one
        return in_mark(min(x, size - 1 - x), min(y, size - 1 - y))

    out = []
    for y in range(size):
        row = []
        for x in range(size):
            if not mark(x, y):
                row.append(WHITE)
                continue
            border = any(not (0 <= x + dx < size and 0 <= y + dy < size) or not mark(x + dx, y + dy)
                         for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            fx, fy = min(x, size - 1 - x), min(y, size - 1 - y)
            if border:
                row.append(to_bytes(edge))
            else:
                row.append(to_bytes(light if fx + fy <= 3 else dark))
        out.append(row)
    return out


# ----------------------------------------------------------------------------- sparkles


def cross(cx, cy, reach, angle, width):
    """Four tapered rays from (cx, cy); the value is at most 1 inside and smallest at the heart."""
    axes = [(math.cos(angle + k * math.pi / 2), math.sin(angle + k * math.pi / 2)) for k in range(4)]

    def value(x, y):
        best = 2.0
        for ax, ay in axes:
            along = (x - cx) * ax + (y - cy) * ay
            if along < 0 or along > reach:
                continue
            across = abs(-(x - cx) * ay + (y - cy) * ax)
            half = width * (1 - along / reach) + 0.45
            if across <= half:
                best = min(best, 0.5 * across / half + 0.5 * along / reach)
        return best

    return value


SPARK_CORE = (255, 252, 214)
SPARK_MID = (255, 214, 70)
SPARK_TIP = (246, 142, 22)
SPARK_EDGE = (150, 72, 8)


def sparkle_bitmap(stars):
    """28 x 28 white with gold stars; each entry is (star field, scale of its colour ramp)."""
    size = 28
    field = [[min(s(x + 0.5, y + 0.5) for s in stars) for x in range(size)] for y in range(size)]
    inside = lambda x, y: 0 <= x < size and 0 <= y < size and field[y][x] <= 1.0
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            v = field[y][x]
            if v > 1.0:
                row.append(WHITE)
                continue
            border = any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if border:
                row.append(to_bytes(mix(SPARK_TIP, SPARK_EDGE, 0.6)))
            elif v < 0.3:
                row.append(to_bytes(mix(SPARK_CORE, SPARK_MID, v / 0.3)))
            else:
                row.append(to_bytes(mix(SPARK_MID, SPARK_TIP, min(1.0, (v - 0.3) / 0.4))))
        out.append(row)
    return out


SPARKLES = {
    114: [cross(14, 14, 13.6, 0.0, 2.6), cross(14, 14, 5.5, math.pi / 4, 1.2)],  # large cross
    113: [cross(14, 14, 14.5, math.pi / 4, 2.2), cross(14, 14, 4.5, 0.0, 1.0)],  # diagonal cross
    112: [cross(14, 14, 7.6, 0.0, 1.9)],  # small cross
}


# ----------------------------------------------------------------------------- icon


def icon_pixels(size):
    """The program icon: a yellow grin before a cyan and a red face (one face when small)."""
    canvas = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def stamp(res_id, box, left, top):
        base, eye_kind, brow_kind, mouth, blush = FACES[res_id]
        rows = draw_face(box, base, face_layers(base, eye_kind, brow_kind, mouth, blush), box / 28.0)
        for y, row in enumerate(rows):
            for x, (colour, alpha) in enumerate(row):
                cx, cy = left + x, top + y
                if alpha == 0 or not (0 <= cx < size and 0 <= cy < size):
                    continue
                r, g, b, a = canvas[cy][cx]
                out_a = alpha + a * (1 - alpha)
                blend = [(c * alpha + d * a * (1 - alpha)) / out_a for c, d in zip(colour, (r, g, b))]
                canvas[cy][cx] = (*blend, out_a)

    if size < 48:
        stamp(119, size, 0, 0)
    else:
        small = int(size * 0.56)
        stamp(115, small, 0, 0)
        stamp(121, small, size - small, 0)
        big = int(size * 0.68)
        stamp(119, big, (size - big) // 2, size - big)
    return [[tuple(max(0, min(255, int(round(c)))) for c in (r, g, b, a * 255)) for r, g, b, a in row]
            for row in canvas]


ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


# ----------------------------------------------------------------------------- sounds


def fade(n, total, attack, release):
    """A raised-cosine fade in over `attack` samples and out over the last `release`."""
    gain = 1.0
    if n < attack:
        gain *= 0.5 - 0.5 * math.cos(math.pi * n / attack)
    if n >= total - release:
        gain *= 0.5 - 0.5 * math.cos(math.pi * (total - 1 - n) / release)
    return gain


def click(rate, count):
    """A short, dry tap: a damped 2.3 kHz ping over a touch of filtered noise."""
    noise = random.Random(124)
    smooth, out = 0.0, []
    for n in range(count):
        t = n / rate
        smooth += 0.35 * (noise.uniform(-1, 1) - smooth)
        body = math.sin(2 * math.pi * 2300 * t) * 0.75 + math.sin(2 * math.pi * 1150 * t) * 0.35
        value = (body + 0.5 * smooth) * math.exp(-t / 0.0030)
        out.append(0.62 * value * fade(n, count, 6, 60))
    return out


def nope(rate, count):
    """Two soft falling syllables, like a hummed "uh-uh"."""
    out, phase = [], 0.0
    split = int(count * 0.42)
    for n in range(count):
        if n < split:
            f, k, m = 523.0 - 40.0 * n / split, n, split
        else:
            k, m = n - split, count - split
            f = 392.0 * (0.80 ** (k / m))  # glides down to about 314 Hz
        phase += 2 * math.pi * f / rate
        tone = math.sin(phase) + 0.28 * math.sin(2 * phase) + 0.10 * math.sin(3 * phase)
        syllable = fade(k, m, int(0.018 * rate), int(0.07 * rate if n < split else 0.16 * rate))
        out.append(0.42 * tone * syllable)
    return out


def chime(rate, count):
    """A bright two-note bell: E6 then B6, each with a fast-fading metallic partial."""
    notes = ((1318.5, 0.0, 0.55), (1975.5, 0.070, 0.60))
    out = []
    for n in range(count):
        t, v = n / rate, 0.0
        for f, start, level in notes:
            if t < start:
                continue
            u = t - start
            ring = math.exp(-u / 0.11) * min(1.0, u / 0.002)  # 2 ms strike, then ring out
            v += level * ring * (math.sin(2 * math.pi * f * u) + 0.30 * math.exp(-u / 0.03) *
                                 math.sin(2 * math.pi * f * 2.76 * u))
        out.append(0.80 * v * fade(n, count, 4, int(0.08 * rate)))
    return out


def write_wave(path, rate, bits, samples):
    peak = max(abs(s) for s in samples)
    assert peak < 0.98, f"{path} would clip ({peak:.2f})"
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(bits // 8)
        out.setframerate(rate)
        if bits == 8:
            out.writeframes(bytes(max(0, min(255, 128 + int(round(s * 127)))) for s in samples))
        else:
            out.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples))


SOUNDS = {  # resource id: rate, bits, samples, synthesiser
    124: (22050, 8, 259, click),
    125: (12000, 16, 4371, nope),
    126: (22050, 8, 8078, chime),
}


# ----------------------------------------------------------------------------- main


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "game", "resources")
    os.makedirs(folder, exist_ok=True)
    for res_id, (base, eye_kind, brow_kind, mouth, blush) in FACES.items():
        layers = face_layers(base, eye_kind, brow_kind, mouth, blush)
        write_bmp(os.path.join(folder, f"{res_id}.bmp"), face_bitmap(base, layers))
    write_bmp(os.path.join(folder, "107.bmp"),
              frame_bitmap((255, 196, 84), (248, 138, 20), (116, 50, 0)))
    write_bmp(os.path.join(folder, "122.bmp"),
              frame_bitmap((176, 228, 255), (70, 160, 250), (8, 30, 96)))
    for res_id, stars in SPARKLES.items():
        write_bmp(os.path.join(folder, f"{res_id}.bmp"), sparkle_bitmap(stars))
    for size in ICON_SIZES:
        write_png(os.path.join(folder, f"zorvagon-{size}.png"), icon_pixels(size))
    for res_id, (rate, bits, count, synth) in SOUNDS.items():
        write_wave(os.path.join(folder, f"{res_id}.wav"), rate, bits, synth(rate, count))


if __name__ == "__main__":
    main()
