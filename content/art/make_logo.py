#!/usr/bin/env python3
"""Writes the logo pictures: the 20 animation frames logo/orrb0000.gif.svg ... orrb0019.gif.svg
and the name plate logo/orrowby2.bmp.svg.

Both show the program's emblem, the hurricane lantern of Images/lampsm.svg. In the frames its
flame flickers and its glass and halo brighten and dim with the flame. Every change is a sum of
sine waves whose periods divide the 20 frames exactly, so the loop (1 ... 19, 0, 1 ...) runs on
with no jump where it wraps round.

The pictures are shown at their own size from the top-left corner of a sunken picture box, whose
border hides the outer two pixels on every side and so the last four columns and rows of the
picture: what matters is kept inside the first 116 x 116 (frames) and 116 x 85 (plate) pixels.

Run from this folder:  python3 make_logo.py
The SVG files are committed; the build does not run this script.
"""
import math
import os

COUNT = 20
SIZE = 120
BG = "#3187d6"          # (49, 135, 214), the picture box's background
SEEN = 116              # pixels the box's border leaves in view, from the top-left
LAMP_SCALE = 0.55       # the lantern is drawn in the 320 x 240 units of Images/lampsm.svg
FLAME_BASE = 143        # where the flame sits on the wick, in lantern units
FLAME_H = 58
FLAME_W = 29


def wave(i, terms):
    """Sum of a*sin(k*2*pi*i/COUNT + p) for (a, k, p) in terms; k whole numbers."""
    t = 2 * math.pi * i / COUNT
    return sum(a * math.sin(k * t + p) for a, k, p in terms)


def flame_params(i):
    """Height and width of the flame, its lean and how bright it burns, for frame i."""
    # The phases are chosen so that the waves never all turn at once: the flame moves by a
    # similar amount at every step and never seems to stop.
    height = FLAME_H * (1 + wave(i, [(0.07, 1, 3.8), (0.05, 2, 1.2), (0.025, 3, 1.9), (0.012, 5, 3.8)]))
    sway = wave(i, [(3.0, 1, 2.0), (1.8, 2, 3.2), (0.8, 3, 2.6)])
    # a taller flame is a little slimmer
    width = FLAME_W * (1 - 0.4 * (height / FLAME_H - 1) + wave(i, [(0.025, 3, 1.2)]))
    bright = 1 + wave(i, [(0.09, 1, 4.9), (0.06, 2, 1.6), (0.03, 4, 1.6)])
    return height, sway, width, bright


def teardrop(cx, by, h, w, s):
    """Flame outline: round at the base, pointed tip leaning by s."""
    return (f"M{cx:.2f} {by:.2f} "
            f"C{cx - 0.45 * w:.2f} {by:.2f} {cx - 0.5 * w:.2f} {by - 0.12 * h:.2f} {cx - 0.5 * w:.2f} {by - 0.3 * h:.2f} "
            f"C{cx - 0.5 * w + 0.2 * s:.2f} {by - 0.55 * h:.2f} {cx + 0.45 * s - 0.14 * w:.2f} {by - 0.8 * h:.2f} {cx + s:.2f} {by - h:.2f} "
            f"C{cx + 0.45 * s + 0.14 * w:.2f} {by - 0.8 * h:.2f} {cx + 0.5 * w + 0.2 * s:.2f} {by - 0.55 * h:.2f} {cx + 0.5 * w:.2f} {by - 0.3 * h:.2f} "
            f"C{cx + 0.5 * w:.2f} {by - 0.12 * h:.2f} {cx + 0.45 * w:.2f} {by:.2f} {cx:.2f} {by:.2f} Z")


def halo_radius(b):
    """The glow round the lantern reaches further when the flame burns brighter."""
    return 128 * (0.92 + 0.7 * (b - 1))


def lantern_defs(h, s, b):
    """Gradients of the lantern; the glass and flame ones follow the flame."""
    g = min(1.0, 0.8 * b)
    return [
        '<linearGradient id="redmetal" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="#8e1414"/><stop offset="0.3" stop-color="#e23b2e"/>'
        '<stop offset="0.45" stop-color="#ff8a70"/><stop offset="0.6" stop-color="#d42a22"/>'
        '<stop offset="1" stop-color="#7a0f0f"/></linearGradient>',
        '<linearGradient id="brass" x1="0" y1="0" x2="1" y2="0">'
        '<stop offset="0" stop-color="#8a5a12"/><stop offset="0.35" stop-color="#f2c75c"/>'
        '<stop offset="0.5" stop-color="#fff0b0"/><stop offset="0.7" stop-color="#d9a132"/>'
        '<stop offset="1" stop-color="#7a4e0e"/></linearGradient>',
        f'<radialGradient id="halo" cx="{160 + 0.3 * s:.2f}" cy="112" r="{halo_radius(b):.2f}" gradientUnits="userSpaceOnUse">'
        f'<stop offset="0" stop-color="#fff6c8" stop-opacity="{0.85 * g:.3f}"/>'
        f'<stop offset="0.5" stop-color="#ffe9a0" stop-opacity="{0.45 * g:.3f}"/>'
        '<stop offset="1" stop-color="#fff0c0" stop-opacity="0"/></radialGradient>',
        f'<radialGradient id="glass" cx="{160 + 0.3 * s:.2f}" cy="{FLAME_BASE - 0.5 * h:.2f}" r="{50 * (0.9 + 0.8 * (b - 1)):.2f}" gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="#fffbe0"/><stop offset="0.3" stop-color="#ffe68a"/>'
        '<stop offset="0.8" stop-color="#ffb84d"/><stop offset="1" stop-color="#f08a2e"/></radialGradient>',
        f'<radialGradient id="flame" cx="{160 + 0.3 * s:.2f}" cy="{FLAME_BASE - 0.35 * h:.2f}" r="{0.42 * h:.2f}" gradientUnits="userSpaceOnUse">'
        '<stop offset="0" stop-color="#ffffff"/><stop offset="0.4" stop-color="#fff3a0"/>'
        '<stop offset="0.8" stop-color="#ffb020"/><stop offset="1" stop-color="#ff7a10"/></radialGradient>',
    ]


def lantern(h, s, w, b):
    """The lantern of Images/lampsm.svg with a flame of height h, lean s, width w, brightness b."""
    out = []
    a = out.append
    a(f'<circle cx="{160 + 0.3 * s:.2f}" cy="112" r="{halo_radius(b):.2f}" fill="url(#halo)"/>')
    a('<ellipse cx="160" cy="202" rx="62" ry="7" fill="#12305a" opacity="0.45"/>')
    # wire handle and its grip
    a('<path d="M118 62 C112 20 208 20 202 62" fill="none" stroke="#5a1010" stroke-width="6" stroke-linecap="round"/>')
    a('<path d="M118 62 C112 20 208 20 202 62" fill="none" stroke="#c83a30" stroke-width="3" stroke-linecap="round"/>')
    a('<rect x="146" y="24" width="28" height="9" rx="4.5" fill="url(#brass)" stroke="#6b4210" stroke-width="1.5"/>')
    # glowing glass globe with its highlights
    a('<path d="M128 76 C104 92 102 140 126 158 L194 158 C218 140 216 92 192 76 Z" '
      'fill="url(#glass)" stroke="#f7d9a0" stroke-width="2.5"/>')
    a('<path d="M120 104 C118 120 120 134 128 146" fill="none" stroke="#ffffff" stroke-width="6" stroke-linecap="round" opacity="0.75"/>')
    a('<path d="M198 96 C203 106 204 116 202 126" fill="none" stroke="#ffffff" stroke-width="4" stroke-linecap="round" opacity="0.55"/>')
    # the flame: yellow body, white-hot core, a touch of blue at its base, and the wick
    a(f'<path d="{teardrop(160, FLAME_BASE, h, w, s)}" fill="url(#flame)" opacity="{min(1.0, 0.92 + 0.6 * (b - 1)):.3f}"/>')
    a(f'<path d="{teardrop(160, FLAME_BASE - 4, 0.6 * h, 0.5 * w, 0.6 * s)}" fill="#ffffff" opacity="0.85"/>')
    hw = 0.34 * w
    a(f'<path d="M{160 - hw:.2f} 134 C{160 - 0.8 * hw:.2f} 141 157 143 160 143 C163 143 {160 + 0.8 * hw:.2f} 141 {160 + hw:.2f} 134 '
      f'C{160 + 0.6 * hw:.2f} 138 163 139 160 139 C157 139 {160 - 0.6 * hw:.2f} 138 {160 - hw:.2f} 134 Z" fill="#4aa8ff" opacity="0.7"/>')
    a('<rect x="158.5" y="140" width="3" height="7" fill="#3a2a20"/>')
    # burner, guard wires, cap, collar, fuel tank and wick knob
    a('<path d="M146 146 L174 146 L178 158 L142 158 Z" fill="url(#brass)" stroke="#6b4210" stroke-width="1.5"/>')
    for d in ("M112 166 C96 140 96 100 114 66", "M208 166 C224 140 224 100 206 66"):
        a(f'<path d="{d}" fill="none" stroke="#7a1010" stroke-width="7" stroke-linecap="round"/>')
        a(f'<path d="{d}" fill="none" stroke="#e04a3a" stroke-width="3.5" stroke-linecap="round"/>')
    a('<path d="M116 76 L204 76 L190 56 L130 56 Z" fill="url(#redmetal)" stroke="#5a0c0c" stroke-width="2" stroke-linejoin="round"/>')
    a('<rect x="138" y="46" width="44" height="11" rx="3" fill="url(#redmetal)" stroke="#5a0c0c" stroke-width="2"/>')
    a('<g fill="#4a0808"><circle cx="146" cy="66" r="3"/><circle cx="160" cy="66" r="3"/><circle cx="174" cy="66" r="3"/></g>')
    a('<rect x="122" y="156" width="76" height="10" rx="3" fill="url(#brass)" stroke="#6b4210" stroke-width="1.5"/>')
    a('<path d="M108 168 C104 178 106 194 118 200 L202 200 C214 194 216 178 212 168 Z" '
      'fill="url(#redmetal)" stroke="#5a0c0c" stroke-width="2" stroke-linejoin="round"/>')
    a('<path d="M108 168 L212 168" stroke="#ffb0a0" stroke-width="2" opacity="0.8"/>')
    a('<rect x="212" y="174" width="10" height="8" rx="2" fill="url(#brass)" stroke="#6b4210" stroke-width="1.5"/>')
    a('<circle cx="226" cy="178" r="6" fill="url(#brass)" stroke="#6b4210" stroke-width="1.5"/>')
    return out


def placed(cx, cy, scale):
    """Transform that puts the lantern's middle (160, 112) at (cx, cy)."""
    return f'translate({cx - 160 * scale:.3f} {cy - 112 * scale:.3f}) scale({scale})'


def svg(width, height, comment, defs, body):
    return "\n".join(
        ['<?xml version="1.0" encoding="UTF-8"?>',
         f'<!-- {comment} Made by make_logo.py. -->',
         f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
         f'width="{width}" height="{height}" viewBox="0 0 {width} {height}">',
         '<defs>', *defs, '</defs>', *body, '</svg>']) + "\n"


def frame(i):
    h, s, w, b = flame_params(i)
    body = [f'<rect x="0" y="0" width="{SIZE}" height="{SIZE}" fill="{BG}"/>',
            f'<g transform="{placed(SEEN / 2, SEEN / 2 + 1, LAMP_SCALE)}">', *lantern(h, s, w, b), '</g>']
    return svg(SIZE, SIZE, f"Lantern logo, frame {i} of {COUNT} of a looping flicker.", lantern_defs(h, s, b), body)


def plate():
    """The name plate: the lantern, burning steadily, over the program's name on a night-blue card."""
    width, height, seen_h = 120, 89, 85
    defs = lantern_defs(FLAME_H, 0, 1) + [
        '<linearGradient id="night" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#0b2c63"/><stop offset="1" stop-color="#06183a"/></linearGradient>',
        '<linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#fff2a8"/><stop offset="0.55" stop-color="#ffd35a"/>'
        '<stop offset="1" stop-color="#e9a22a"/></linearGradient>',
    ]
    body = [f'<rect x="0" y="0" width="{width}" height="{height}" fill="url(#night)"/>',
            f'<g transform="{placed(SEEN / 2, 26, 0.27)}">', *lantern(FLAME_H, 0, FLAME_W, 1), '</g>',
            f'<text x="{SEEN / 2}" y="{seen_h - 15}" text-anchor="middle" font-family="Times New Roman" '
            'font-weight="bold" font-size="25" fill="url(#gold)" stroke="#5a3206" stroke-width="0.6">Kelvarin</text>']
    return svg(width, height, "Kelvarin name plate: the lantern over the program's name.", defs, body)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "logo")
    os.makedirs(folder, exist_ok=True)
    for i in range(COUNT):
        with open(os.path.join(folder, f"orrb{i:04d}.gif.svg"), "w", encoding="utf-8") as f:
            f.write(frame(i))
    with open(os.path.join(folder, "orrowby2.bmp.svg"), "w", encoding="utf-8") as f:
        f.write(plate())


if __name__ == "__main__":
    main()
