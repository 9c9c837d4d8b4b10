#!/usr/bin/env python3
"""Writes the 23 burning-candle pictures candle/dscn3357.svg ... dscn3379.svg.

The candle, wick and holder are the same in every picture; only the flame and
its glow change. Every change is a sum of sine waves whose periods divide the
23 pictures exactly, so the loop (3358 ... 3379, 3357, 3358 ...) runs on with
no jump where it wraps round.

Run from this folder:  python3 make_candle_frames.py
The SVG files are committed; the build does not run this script.
"""
import math
import os

FIRST = 3357
COUNT = 23
W, H = 640, 480
BG = "#020000"          # the background colour of the menu the pictures sit on
CX = 320                # the candle's centre line
WICK_TOP = 226          # where the flame sits on the wick
WAX_TOP = 246           # the candle's top rim


def wave(i, terms):
    """Sum of a*sin(k*2*pi*i/COUNT + p) for (a, k, p) in terms; k whole numbers."""
    t = 2 * math.pi * i / COUNT
    return sum(a * math.sin(k * t + p) for a, k, p in terms)


def flame_params(i):
    height = 112 * (1 + wave(i, [(0.055, 1, 0.3), (0.040, 2, 1.7), (0.025, 3, 4.1), (0.015, 5, 2.0)]))
    sway = wave(i, [(5.0, 1, 2.0), (3.0, 2, 0.5), (1.6, 4, 3.0)])
    # a taller flame is a little slimmer
    width = 40 * (1 - 0.45 * (height / 112 - 1) + wave(i, [(0.02, 3, 1.1)]))
    bright = 1 + wave(i, [(0.08, 2, 0.9), (0.05, 3, 2.5), (0.03, 1, 5.0)])
    return height, sway, width, bright


def teardrop(cx, by, h, w, s):
    """Flame outline: round at the base, pointed tip leaning by s."""
    return (f"M{cx:.2f} {by:.2f} "
            f"C{cx - 0.45 * w:.2f} {by:.2f} {cx - 0.5 * w:.2f} {by - 0.12 * h:.2f} {cx - 0.5 * w:.2f} {by - 0.3 * h:.2f} "
            f"C{cx - 0.5 * w + 0.2 * s:.2f} {by - 0.55 * h:.2f} {cx + 0.45 * s - 0.14 * w:.2f} {by - 0.8 * h:.2f} {cx + s:.2f} {by - h:.2f} "
            f"C{cx + 0.45 * s + 0.14 * w:.2f} {by - 0.8 * h:.2f} {cx + 0.5 * w + 0.2 * s:.2f} {by - 0.55 * h:.2f} {cx + 0.5 * w:.2f} {by - 0.3 * h:.2f} "
            f"C{cx + 0.5 * w:.2f} {by - 0.12 * h:.2f} {cx + 0.45 * w:.2f} {by:.2f} {cx:.2f} {by:.2f} Z")


def frame(i):
    h, s, w, b = flame_params(i)
    by = WICK_TOP + 8                      # flame base, just below the wick's tip
    gx, gy = CX + 0.4 * s, by - 0.42 * h    # centre of the glow
    glow_r = 205 * (0.96 + 0.5 * (b - 1))
    g = min(1.0, 0.5 * b)                   # glow strength
    lit = min(1.0, 0.55 * b)                # how strongly the flame lights the wax and brass

    out = []
    a = out.append
    a('<?xml version="1.0" encoding="UTF-8"?>')
    a(f'<!-- Burning candle, picture {i + 1} of {COUNT} of a looping flicker. Made by make_candle_frames.py. -->')
    a(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{W}" height="{H}" viewBox="0 0 {W} {H}">')
    a('<defs>')
    a(f'<radialGradient id="glow" cx="{gx:.2f}" cy="{gy:.2f}" r="{glow_r:.2f}" gradientUnits="userSpaceOnUse">'
      f'<stop offset="0" stop-color="#ffb347" stop-opacity="{0.7 * g:.3f}"/>'
      f'<stop offset="0.25" stop-color="#e8762a" stop-opacity="{0.32 * g:.3f}"/>'
      f'<stop offset="0.6" stop-color="#8a3210" stop-opacity="{0.08 * g:.3f}"/>'
      f'<stop offset="1" stop-color="#3a0c02" stop-opacity="0"/></radialGradient>')
    a(f'<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">'
      f'<stop offset="0" stop-color="#fff2b0" stop-opacity="{0.55 * g:.3f}"/>'
      f'<stop offset="0.5" stop-color="#ffb040" stop-opacity="{0.22 * g:.3f}"/>'
      f'<stop offset="1" stop-color="#ff8000" stop-opacity="0"/></radialGradient>')
    a(f'<radialGradient id="outer" cx="{CX + 0.25 * s:.2f}" cy="{by - 0.28 * h:.2f}" r="{0.75 * h:.2f}" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#fff7c8"/><stop offset="0.35" stop-color="#ffd75a"/>'
      '<stop offset="0.75" stop-color="#ff9a1e"/><stop offset="1" stop-color="#e0520c"/></radialGradient>')
    a(f'<radialGradient id="core" cx="{CX + 0.2 * s:.2f}" cy="{by - 0.25 * h:.2f}" r="{0.5 * h:.2f}" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#ffffff"/><stop offset="0.6" stop-color="#fffbe0"/>'
      '<stop offset="1" stop-color="#fff0a0" stop-opacity="0.6"/></radialGradient>')
    a(f'<linearGradient id="blue" x1="0" y1="{by:.2f}" x2="0" y2="{by - 0.3 * h:.2f}" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#2f6dff" stop-opacity="0.9"/><stop offset="0.45" stop-color="#5aa0ff" stop-opacity="0.45"/>'
      '<stop offset="1" stop-color="#9ad0ff" stop-opacity="0"/></linearGradient>')
    # wax: round, with the side towards us lit; top part glows from the flame
    a('<linearGradient id="wax" x1="282" y1="0" x2="358" y2="0" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#9c8466"/><stop offset="0.3" stop-color="#efe2c4"/>'
      '<stop offset="0.45" stop-color="#fff8e6"/><stop offset="0.75" stop-color="#d9c7a3"/>'
      '<stop offset="1" stop-color="#7d6649"/></linearGradient>')
    a(f'<linearGradient id="waxglow" x1="0" y1="{WAX_TOP}" x2="0" y2="{WAX_TOP + 90}" gradientUnits="userSpaceOnUse">'
      f'<stop offset="0" stop-color="#ffcf70" stop-opacity="{0.75 * lit:.3f}"/>'
      '<stop offset="1" stop-color="#ffb050" stop-opacity="0"/></linearGradient>')
    a(f'<radialGradient id="pool" cx="{CX}" cy="{WAX_TOP}" r="40" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#fff3c0"/><stop offset="0.7" stop-color="#f5d48a"/>'
      '<stop offset="1" stop-color="#e2b868"/></radialGradient>')
    a('<linearGradient id="brass" x1="200" y1="0" x2="440" y2="0" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#5a3a0c"/><stop offset="0.35" stop-color="#c8922e"/>'
      '<stop offset="0.5" stop-color="#f6d47a"/><stop offset="0.65" stop-color="#c28a28"/>'
      '<stop offset="1" stop-color="#4a2e08"/></linearGradient>')
    a('<linearGradient id="brassdark" x1="0" y1="412" x2="0" y2="452" gradientUnits="userSpaceOnUse">'
      '<stop offset="0" stop-color="#a87420"/><stop offset="1" stop-color="#3e2606"/></linearGradient>')
    a(f'<radialGradient id="table" cx="0.5" cy="0.5" r="0.5">'
      f'<stop offset="0" stop-color="#5a2a10" stop-opacity="{0.6 * lit + 0.2:.3f}"/>'
      '<stop offset="0.55" stop-color="#2a0c04" stop-opacity="0.35"/>'
      '<stop offset="1" stop-color="#020000" stop-opacity="0"/></radialGradient>')
    a('</defs>')

    # dark background, warm glow, the lit patch of table under the holder
    a(f'<rect x="0" y="0" width="{W}" height="{H}" fill="{BG}"/>')
    a(f'<circle cx="{gx:.2f}" cy="{gy:.2f}" r="{glow_r:.2f}" fill="url(#glow)"/>')
    a(f'<ellipse cx="{CX}" cy="436" rx="250" ry="40" fill="url(#table)"/>')

    # holder: a brass dish with a cup and a ring handle
    a('<ellipse cx="320" cy="438" rx="128" ry="20" fill="#2a1604" opacity="0.8"/>')
    a('<path d="M196 424 C196 446 444 446 444 424 L444 430 C444 452 196 452 196 430 Z" fill="url(#brassdark)"/>')
    a('<ellipse cx="320" cy="424" rx="124" ry="22" fill="url(#brass)" stroke="#6a4410" stroke-width="2"/>')
    a('<ellipse cx="320" cy="422" rx="104" ry="16" fill="#a87424"/>')
    a(f'<ellipse cx="312" cy="418" rx="80" ry="9" fill="#ffe6a0" opacity="{0.35 * lit:.3f}"/>')
    a('<path d="M440 420 C480 414 486 446 452 446 C440 446 436 440 438 434" fill="none" stroke="#3e2606" stroke-width="11" stroke-linecap="round"/>')
    a('<path d="M440 420 C480 414 486 446 452 446 C440 446 436 440 438 434" fill="none" stroke="#c8922e" stroke-width="6" stroke-linecap="round"/>')
    # candle body
    a(f'<path d="M282 {WAX_TOP} L282 414 C282 422 358 422 358 414 L358 {WAX_TOP} Z" fill="url(#wax)"/>')
    a(f'<path d="M282 {WAX_TOP} L282 {WAX_TOP + 90} L358 {WAX_TOP + 90} L358 {WAX_TOP} Z" fill="url(#waxglow)"/>')
    # cup round the candle's foot
    a('<path d="M272 398 L368 398 L364 416 C364 424 276 424 276 416 Z" fill="url(#brass)" stroke="#6a4410" stroke-width="2"/>')
    a('<ellipse cx="320" cy="398" rx="48" ry="7" fill="#e8b850" stroke="#6a4410" stroke-width="1.5"/>')
    a('<path d="M282 398 C282 404 358 404 358 398" fill="none" stroke="#7d6649" stroke-width="1.5"/>')
    # top of the candle: a soft rim and a little pool of melted wax
    a(f'<ellipse cx="{CX}" cy="{WAX_TOP}" rx="38" ry="8" fill="#f3e6c8"/>')
    a(f'<ellipse cx="{CX}" cy="{WAX_TOP + 1}" rx="30" ry="5.5" fill="url(#pool)"/>')
    # one drip running down the front, and an older one that has set
    a(f'<path d="M334 {WAX_TOP + 5} C336 {WAX_TOP + 18} 333 {WAX_TOP + 30} 334 {WAX_TOP + 48} '
      f'C334 {WAX_TOP + 58} 344 {WAX_TOP + 58} 344 {WAX_TOP + 48} C344 {WAX_TOP + 34} 342 {WAX_TOP + 18} 346 {WAX_TOP + 4} Z" '
      'fill="#fbf1da" stroke="#d8c6a0" stroke-width="1"/>')
    a(f'<ellipse cx="337" cy="{WAX_TOP + 46}" rx="2" ry="5" fill="#ffffff" opacity="0.8"/>')
    a('<path d="M296 250 C294 268 298 284 295 300 C294 307 302 307 302 300 C302 286 302 268 304 250 Z" fill="#f5e8cc" stroke="#d2bf98" stroke-width="1"/>')

    # soft halo and the flame
    a(f'<ellipse cx="{gx:.2f}" cy="{gy + 6:.2f}" rx="{0.5 * h:.2f}" ry="{0.66 * h:.2f}" fill="url(#halo)"/>')
    a(f'<path d="{teardrop(CX, by, h, w, s)}" fill="url(#outer)" opacity="{min(1.0, 0.9 + 0.5 * (b - 1)):.3f}"/>')
    a(f'<path d="{teardrop(CX, by, 0.34 * h, 0.86 * w, 0.2 * s)}" fill="url(#blue)"/>')
    a(f'<path d="{teardrop(CX, by - 7, 0.7 * h, 0.56 * w, 0.75 * s)}" fill="url(#core)"/>')
    # dim zone round the wick, then the wick with its glowing tip
    a(f'<ellipse cx="{CX + 0.05 * s:.2f}" cy="{by - 12:.2f}" rx="{0.12 * w:.2f}" ry="9" fill="#ffb060" opacity="0.55"/>')
    a(f'<path d="M{CX} {WAX_TOP} C{CX} {WAX_TOP - 10} {CX + 1} {WICK_TOP + 4} {CX + 3} {WICK_TOP}" fill="none" stroke="#2a1a12" stroke-width="4" stroke-linecap="round"/>')
    a(f'<circle cx="{CX + 3}" cy="{WICK_TOP}" r="2.4" fill="#ff5a1a"/>')
    a('</svg>')
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "candle")
    os.makedirs(folder, exist_ok=True)
    for i in range(COUNT):
        with open(os.path.join(folder, f"dscn{FIRST + i}.svg"), "w", encoding="utf-8") as f:
            f.write(frame(i))


if __name__ == "__main__":
    main()
