#!/usr/bin/env python3
"""Draws the program's pictures as XPM text: the tomato, the author's two portraits and the About
window's icon. The author is invented; the portraits are cartoons, not photos of anybody.

Each picture is drawn twice: at its own size, and at twice the size for screens of a device pixel
ratio of 2 or more (name_2x.xpm). A drawing is a function of a point in the picture's own pixel
units, sampled at the centre of every output pixel, so the larger drawing has the same shapes with
smoother edges and the small one stays pixel for pixel as it was.

Run it from this folder to write the .xpm files again: python3 draw.py
"""
import math

def write(name, width, height, palette, draw, scale=1):
    """palette: char -> colour ('None' for transparent); draw(px, py) -> char for the point (px, py)."""
    if scale != 1:
        name = f"{name}_{scale}x"
    pixel = lambda x, y: draw((x + 0.5) / scale, (y + 0.5) / scale)
    width, height = width * scale, height * scale
    rows = ["".join(pixel(x, y) for x in range(width)) for y in range(height)]
    used = [c for c in palette if any(c in r for r in rows)]
    lines = [f'"{width} {height} {len(used)} 1",']
    lines += [f'"{c} c {palette[c]}",' for c in used]
    lines += [f'"{r}",' for r in rows]
    lines[-1] = lines[-1].rstrip(",")
    with open(f"{name}.xpm", "w") as f:
        f.write("/* XPM */\n")
        f.write(f"static const char *const {name}_xpm[] = {{\n")
        f.write("\n".join(lines))
        f.write("\n};\n")
    assert len(used) <= 16 or name.startswith("abouticon"), name


def write_both(name, width, height, palette, draw):
    write(name, width, height, palette, draw)
    write(name, width, height, palette, draw, 2)


def inside_ellipse(px, py, cx, cy, rx, ry):
    return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0


# The tomato: 50 x 50 pixels, 16 colours at most.
TOMATO = {" ": "None", "r": "#E0301E", "d": "#A81E12", "D": "#701008", "h": "#FF8A70",
          "w": "#FFD8CC", "g": "#3A9A2A", "G": "#1F6418", "s": "#5A4020"}

def tomato(px, py):
    x, y = math.floor(px), math.floor(py)
    cx, cy = 25.0, 28.0
    if inside_ellipse(px, py, cx, cy, 22.5, 20.5):
        # leaves and stem on top
        dx, dy = px - cx, py - 10.0
        ang = math.atan2(dy, dx)
        dist = math.hypot(dx, dy * 1.6)
        petal = 7.5 + 3.5 * math.cos(5 * ang)
        if dist < petal and y < 16:
            return "G" if dist > petal - 1.5 else "g"
        if inside_ellipse(px, py, 17, 17, 5, 4):
            return "w" if inside_ellipse(px, py, 16, 16.5, 2.2, 1.6) else "h"
        edge = ((px - cx) / 22.5) ** 2 + ((py - cy) / 20.5) ** 2
        if edge > 0.86:
            return "D"
        if px + py > 59.5 and edge > 0.5:
            return "d"
        return "r"
    if 23 <= x <= 26 and 2 <= y <= 8:
        return "s"
    return " "

write_both("tomato", 50, 50, TOMATO, tomato)


# The author: 50 x 69 pixels, an invented cartoon face.
FACE = {"b": "#BFD8F0", "k": "#F2C8A0", "K": "#D9A47A", "H": "#6B4423", "e": "#FFFFFF",
        "p": "#2A2A60", "m": "#9A3030", "S": "#3060A0", "T": "#20406F", "n": "#C08860",
        "r": "#E0301E", "d": "#A81E12", "y": "#F0E0A0", "o": "#000000"}

def face(px, py, splashed):
    x, y = math.floor(px), math.floor(py)
    cx, cy = 25.0, 29.0
    if y >= 56 and inside_ellipse(px, py, 25, 72, 26, 16):
        return "T" if abs(px - 25) < 2 and y < 63 else "S"
    if 20 <= x <= 29 and 45 <= y <= 57:
        return "K"
    head = inside_ellipse(px, py, cx, cy, 15, 19)
    hair = inside_ellipse(px, py, cx, 20, 17, 13) and y < 19
    if hair and not (head and y > 15):
        return "H"
    if head:
        if splashed:
            sx, sy = px - 27, py - 28
            ang = math.atan2(sy, sx)
            reach = 9 + 3.5 * math.sin(7 * ang) + 2 * math.cos(3 * ang)
            if math.hypot(sx, sy) < reach:
                return "d" if (x * 7 + y * 3) % 11 == 0 else "r"
            if (x, y) in {(14, 40), (15, 41), (36, 18), (37, 19), (12, 24), (38, 36), (39, 37)}:
                return "r"
            if (x, y) in {(24, 27), (30, 31), (26, 33)}:
                return "y"
        for ex in (19.0, 31.0):
            if inside_ellipse(px, py, ex, 27, 3.5, 2.5):
                return "p" if inside_ellipse(px, py, ex, 27.5, 1.5, 1.5) else "e"
            if y == 22 and abs(px - ex) < 3.5:
                return "H"
        if 24 <= x <= 26 and 30 <= y <= 35:
            return "n" if x == 26 else "k"
        if splashed:
            if y in (41, 42) and 20 <= x <= 30:
                return "m"
        else:
            mx = px - 25
            if abs(mx) < 6 and abs(py - (40 + (mx / 6) ** 2 * -2)) < 0.9:
                return "m"
        if (px - cx) ** 2 / 225 + (py - cy) ** 2 / 361 > 0.85:
            return "K"
        return "k"
    if inside_ellipse(px, py, 9.5, 30, 2.5, 4) or inside_ellipse(px, py, 40.5, 30, 2.5, 4):
        return "K"
    return "b"

write_both("ich", 50, 69, FACE, lambda px, py: face(px, py, False))
write_both("ich2", 50, 69, FACE, lambda px, py: face(px, py, True))


# The About window's icon: 16 x 16, a small tomato with an "i" for information.
ICON = {" ": "None", "r": "#E0301E", "D": "#701008", "g": "#3A9A2A", "w": "#FFFFFF"}

def icon(px, py):
    x, y = math.floor(px), math.floor(py)
    if inside_ellipse(px, py, 8, 9, 7.5, 6.8):
        if x in (7, 8) and (y == 5 or 7 <= y <= 12):
            return "w"
        edge = ((px - 8) / 7.5) ** 2 + ((py - 9) / 6.8) ** 2
        if y <= 3 and 5 <= x <= 10:
            return "g"
        return "D" if edge > 0.75 else "r"
    if y <= 2 and 6 <= x <= 9:
        return "g"
    return " "

write_both("abouticon", 16, 16, ICON, icon)
