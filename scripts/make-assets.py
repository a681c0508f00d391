#!/usr/bin/env python3
"""Draws the app's pictures: menu and button icons, the main screen's bottom backgrounds
and the application icon.

Every picture is written as SVG (Python standard library only). Pictures that must exist
in a raster format (the two backgrounds, whose names carry .jpg/.png, and the application
icon in its standard sizes) are then rendered from the SVG with the Qt renderer built from
shell/qt/tools (pass --renderer PATH; the CMake target `tamberlinove_assets` does).

Usage: scripts/make-assets.py [--renderer PATH] [--out ASSETS_DIR]
"""

import argparse
import math
import os
import subprocess
import sys

# A calm travel palette: navy, teals, aqua, sand and a coral accent.
NAVY = "#0B3954"
DEEP = "#087E8B"
TEAL = "#19A7A8"
AQUA = "#8FD6CF"
MIST = "#DDF1F0"
PAGE = "#F3F8F9"
SAND = "#F4B942"
CORAL = "#F2705E"
WHITE = "#FFFFFF"

# Airliner seen from above, nose up, in a 64 x 64 box.
PLANE = ("M32 5C35 5 36.2 9 36.2 13.5V25.5L58 37.5V43L36.2 36V49.5L43.5 55V59.5L32 56.5"
         "L20.5 59.5V55L27.8 49.5V36L6 43V37.5L27.8 25.5V13.5C27.8 9 29 5 32 5Z")


def svg(width, height, body, defs="", view=None):
    view = view or f"0 0 {width} {height}"
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{width}" height="{height}" viewBox="{view}">\n'
            f"<defs>{defs}</defs>\n{body}\n</svg>\n")


def vgrad(gid, stops, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"' +
                (f' stop-opacity="{a}"' if a is not None else "") + "/>"
                for o, c, a in stops)
    return f'<linearGradient id="{gid}" x1="0" y1="0" x2="{x2}" y2="{y2}">{s}</linearGradient>'


def stops(*pairs):
    return [(o, c, a) for o, c, *rest in pairs for a in [rest[0] if rest else None]]


def plane(transform, fill=WHITE, opacity=1):
    return f'<path d="{PLANE}" fill="{fill}" fill-opacity="{opacity}" transform="{transform}"/>'


# ---- the floating button ------------------------------------------------------------------

def float_button(pressed):
    grad = (vgrad("b", stops((0, "#1E4E6E"), (1, NAVY))) if pressed else
            vgrad("b", stops((0, "#2CC3B5"), (1, DEEP))))
    cross = "M32 20V44M20 32H44"
    rot = ' transform="rotate(45 32 32)"' if pressed else ""
    body = (f'<circle cx="32" cy="32" r="31" fill="url(#b)"/>'
            f'<circle cx="32" cy="32" r="29" fill="none" stroke="{WHITE}" '
            f'stroke-opacity="0.35" stroke-width="1.2"/>'
            f'<path d="{cross}" stroke="{WHITE}" stroke-width="5" stroke-linecap="round" '
            f'fill="none"{rot}/>')
    return svg(64, 64, body, grad)


# ---- menu row pictures: a white disc with a teal drawing ---------------------------------

def disc(inner):
    return svg(64, 64, f'<circle cx="32" cy="32" r="31" fill="{WHITE}"/>'
                       f'<circle cx="32" cy="32" r="30" fill="none" stroke="{AQUA}" '
                       f'stroke-width="1.5"/>{inner}')


def camera():
    return disc(f'<rect x="14" y="22" width="36" height="25" rx="6" fill="{DEEP}"/>'
                f'<path d="M24 22L27 17H37L40 22Z" fill="{DEEP}"/>'
                f'<circle cx="32" cy="34.5" r="8.5" fill="{WHITE}"/>'
                f'<circle cx="32" cy="34.5" r="5.2" fill="{TEAL}"/>'
                f'<circle cx="44.5" cy="27" r="1.8" fill="{SAND}"/>')


def immigration():
    lines = "".join(f'<rect x="22" y="{y}" width="{w}" height="2.6" rx="1.3" fill="{WHITE}"/>'
                    for y, w in ((37, 20), (42.5, 20), (48, 13)))
    return disc(f'<rect x="17" y="12" width="30" height="41" rx="4.5" fill="{DEEP}"/>'
                f'<circle cx="32" cy="24.5" r="7.5" fill="none" stroke="{WHITE}" '
                f'stroke-width="2"/>'
                f'<path d="M24.5 24.5H39.5M32 17C28.5 21 28.5 28 32 32C35.5 28 35.5 21 32 17Z" '
                f'fill="none" stroke="{WHITE}" stroke-width="1.6"/>{lines}')


def money():
    won = (f'<path d="M20.5 33L23.5 45L26 37L28.5 45L31.5 33M19.5 38H32.5" fill="none" '
           f'stroke="{WHITE}" stroke-width="2.2" stroke-linecap="round" '
           f'stroke-linejoin="round"/>')
    return disc(f'<circle cx="39" cy="25" r="11.5" fill="{SAND}"/>'
                f'<circle cx="39" cy="25" r="8.2" fill="none" stroke="{WHITE}" '
                f'stroke-width="1.6"/>'
                f'<circle cx="26" cy="39" r="13" fill="{DEEP}"/>'
                f'<circle cx="26" cy="39" r="13" fill="none" stroke="{WHITE}" '
                f'stroke-width="2"/>{won}'
                f'<path d="M45 40A11 11 0 0 1 38 50" fill="none" stroke="{TEAL}" '
                f'stroke-width="2.4" stroke-linecap="round"/>'
                f'<path d="M35.5 47.5L38 50.5L41.5 49" fill="none" stroke="{TEAL}" '
                f'stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>')


def help_icon():
    return disc(f'<path d="M24.5 25A7.5 7.5 0 1 1 35.5 31.5C33 33 32 34.5 32 37.5V39" '
                f'fill="none" stroke="{DEEP}" stroke-width="5" stroke-linecap="round" '
                f'stroke-linejoin="round"/>'
                f'<circle cx="32" cy="47" r="3.2" fill="{DEEP}"/>')


# ---- menu button glyphs (drawn on white tiles by the screen) -------------------------------

def suitcase(x=14, y=22, w=30, h=30, fill=DEEP):
    cx = x + w / 2
    return (f'<path d="M{cx - 6} {y}V{y - 5}A2.5 2.5 0 0 1 {cx - 3.5} {y - 7.5}H{cx + 3.5}'
            f'A2.5 2.5 0 0 1 {cx + 6} {y - 5}V{y}" fill="none" stroke="{fill}" '
            f'stroke-width="3"/>'
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="5" fill="{fill}"/>'
            f'<rect x="{x + w * 0.3 - 1.2}" y="{y + 3}" width="2.4" height="{h - 6}" rx="1.2" '
            f'fill="{WHITE}" fill-opacity="0.85"/>'
            f'<rect x="{x + w * 0.7 - 1.2}" y="{y + 3}" width="2.4" height="{h - 6}" rx="1.2" '
            f'fill="{WHITE}" fill-opacity="0.85"/>'
            f'<circle cx="{x + 6}" cy="{y + h + 2.5}" r="2.5" fill="{NAVY}"/>'
            f'<circle cx="{x + w - 6}" cy="{y + h + 2.5}" r="2.5" fill="{NAVY}"/>')


def badge(cx, cy, inner, color=SAND):
    return (f'<circle cx="{cx}" cy="{cy}" r="10" fill="{color}" stroke="{WHITE}" '
            f'stroke-width="2.5"/>{inner}')


def carrier_add():
    plus = (f'<path d="M48 14V24M43 19H53" stroke="{WHITE}" stroke-width="2.8" '
            f'stroke-linecap="round"/>')
    return svg(64, 64, suitcase(10, 24, 32, 28) + badge(48, 19, plus))


def carrier_list():
    rows = "".join(f'<rect x="{41}" y="{y}" width="14" height="2.6" rx="1.3" fill="{WHITE}"/>'
                   for y in (14.2, 18.2, 22.2))
    return svg(64, 64, suitcase(10, 24, 32, 28) +
               f'<circle cx="48" cy="19" r="11" fill="{TEAL}" stroke="{WHITE}" '
               f'stroke-width="2.5"/>{rows}')


def flight_search():
    return svg(64, 64, plane("translate(2 4) scale(0.78) rotate(45 32 32)", DEEP) +
               f'<circle cx="43" cy="43" r="10" fill="{WHITE}" stroke="{SAND}" '
               f'stroke-width="4"/>'
               f'<path d="M50.5 50.5L57 57" stroke="{SAND}" stroke-width="5" '
               f'stroke-linecap="round"/>')


def hotel():
    windows = "".join(
        f'<rect x="{x}" y="{y}" width="5" height="5" rx="1" fill="{WHITE}"/>'
        for y in (19, 28, 37) for x in (20, 29.5, 39))
    return svg(64, 64, f'<rect x="14" y="11" width="36" height="44" rx="4" fill="{DEEP}"/>'
                       f'<rect x="10" y="53" width="44" height="4" rx="2" fill="{NAVY}"/>'
                       f'{windows}'
                       f'<path d="M27 53V47A5 5 0 0 1 37 47V53Z" fill="{SAND}"/>')


def alarm():
    waves = "".join(
        f'<path d="M{46 + r * 0.2} {24 - r}A{r} {r} 0 0 1 {46 + r} {24 - r * 0.2}" fill="none" '
        f'stroke="{WHITE}" stroke-width="2.6" stroke-linecap="round"/>'
        for r in (6, 11))
    return svg(64, 64, suitcase(12, 24, 30, 28, WHITE).replace(
        f'fill="{WHITE}" fill-opacity="0.85"', f'fill="{DEEP}" fill-opacity="0.85"').replace(
        f'fill="{NAVY}"', f'fill="{AQUA}"') + waves)


# ---- trip kind of the flight search: one way, return (white when chosen, teal when not) ---

def trip_arrow(y, leftward, color):
    x1, x2 = (50, 14) if leftward else (14, 50)
    head = -1 if leftward else 1
    return (f'<path d="M{x1} {y}H{x2}M{x2 - head * 8} {y - 7}L{x2} {y}L{x2 - head * 8} {y + 7}" '
            f'fill="none" stroke="{color}" stroke-width="4.5" stroke-linecap="round" '
            f'stroke-linejoin="round"/>')


def trip(round_trip, active):
    color = WHITE if active else DEEP
    arrows = (trip_arrow(24, False, color) + trip_arrow(42, True, color) if round_trip
              else trip_arrow(32, False, color))
    return svg(64, 64, arrows)


# ---- bottom backgrounds -------------------------------------------------------------------

BG_W, BG_H = 375, 360


def cloud(x, y, s, opacity=0.9):
    parts = [(0, 0, 14), (14, -7, 17), (31, -1, 13), (16, 5, 14)]
    c = "".join(f'<circle cx="{x + dx * s:.1f}" cy="{y + dy * s:.1f}" r="{r * s:.1f}"/>'
                for dx, dy, r in parts)
    return f'<g fill="{WHITE}" fill-opacity="{opacity}">{c}</g>'


def ridge(points, fill, opacity=1):
    d = f"M0 {BG_H}" + "".join(f"L{x} {y}" for x, y in points) + f"L{BG_W} {BG_H}Z"
    return f'<path d="{d}" fill="{fill}" fill-opacity="{opacity}"/>'


def wave_points(base, amp, period, phase, step=15):
    return [(x, round(base + amp * math.sin((x / period) * 2 * math.pi + phase), 1))
            for x in range(0, BG_W + step, step)]


def runway(y, color, lights):
    dashes = "".join(f'<rect x="{x}" y="{y + 15}" width="18" height="3" rx="1.5" '
                     f'fill="{WHITE}" fill-opacity="0.75"/>' for x in range(8, BG_W, 34))
    dots = "".join(f'<circle cx="{x}" cy="{y + 4}" r="1.8" fill="{lights}"/>'
                   f'<circle cx="{x + 17}" cy="{y + 29}" r="1.8" fill="{lights}"/>'
                   for x in range(4, BG_W, 34))
    return (f'<rect x="0" y="{y}" width="{BG_W}" height="{BG_H - y}" fill="{color}"/>'
            f'{dashes}{dots}')


def background_day():
    defs = vgrad("sky", stops((0, PAGE), (0.22, "#E6F5F4"), (0.6, "#CBEBE8")))
    defs += vgrad("sea", stops((0, "#48B8B0"), (1, "#2E9C98")))
    body = [f'<rect width="{BG_W}" height="{BG_H}" fill="url(#sky)"/>',
            cloud(44, 96, 0.9, 0.95), cloud(172, 40, 0.7, 0.85), cloud(300, 140, 0.55, 0.8),
            # a plane far away with its contrail
            f'<path d="M120 118Q190 92 262 58" fill="none" stroke="{WHITE}" '
            f'stroke-width="3" stroke-linecap="round" stroke-opacity="0.9"/>',
            plane("translate(256 40) scale(0.42) rotate(62 32 32)", NAVY, 0.8),
            ridge(wave_points(214, 12, 260, 0.6) + [(BG_W, 200)], "#B5E0DC"),
            ridge(wave_points(236, 9, 180, 2.2), "#93D1CB"),
            ridge(wave_points(262, 4, 120, 1.0), "url(#sea)"),
            runway(300, "#12707A", SAND)]
    return svg(BG_W, BG_H, "".join(body), defs)


def skyline(base, color):
    rng = [(0, 30), (22, 48), (40, 36), (58, 70), (76, 44), (96, 58), (118, 34), (136, 82),
           (150, 52), (172, 40), (194, 64), (214, 46), (236, 90), (250, 56), (272, 38),
           (292, 60), (314, 44), (334, 74), (352, 40), (375, 40)]
    d = f"M0 {base}"
    for (x, h), (nx, _) in zip(rng, rng[1:] + [(BG_W, 0)]):
        d += f"L{x} {base - h}L{nx} {base - h}"
    d += f"L{BG_W} {base}Z"
    windows = "".join(f'<rect x="{x + 4}" y="{base - h + 8 + k * 9}" width="3" height="4" '
                      f'fill="{SAND}" fill-opacity="0.55"/>'
                      for i, (x, h) in enumerate(rng[:-1]) if i % 2 == 1
                      for k in range(int(h / 9) - 1))
    return f'<path d="{d}" fill="{color}"/>{windows}'


def background_dusk():
    defs = vgrad("sky", stops((0, PAGE), (0.2, "#EAF3F4"), (0.5, "#FBE6D4"), (0.78, "#F8CFA8")))
    defs += ('<radialGradient id="sun" cx="0.5" cy="0.5" r="0.5">'
             f'<stop offset="0" stop-color="{SAND}"/><stop offset="0.7" stop-color="{SAND}"/>'
             f'<stop offset="1" stop-color="{SAND}" stop-opacity="0"/></radialGradient>')
    body = [f'<rect width="{BG_W}" height="{BG_H}" fill="url(#sky)"/>',
            f'<circle cx="282" cy="236" r="48" fill="url(#sun)" fill-opacity="0.85"/>',
            cloud(40, 120, 0.8, 0.7), cloud(190, 96, 0.6, 0.6),
            f'<path d="M70 214Q160 170 236 118" fill="none" stroke="{WHITE}" '
            f'stroke-width="3" stroke-linecap="round" stroke-opacity="0.85"/>',
            plane("translate(228 92) scale(0.5) rotate(56 32 32)", NAVY, 0.9),
            skyline(286, "#2B6F80"),
            ridge(wave_points(280, 3, 140, 0.3), "#1F5A6C"),
            runway(300, "#123F5A", SAND)]
    return svg(BG_W, BG_H, "".join(body), defs)


# ---- application icon ---------------------------------------------------------------------

def app_icon():
    defs = vgrad("bg", stops((0, "#2CC3B5"), (0.55, DEEP), (1, NAVY)), x2=1, y2=1)
    route = (f'<path d="M52 196C86 196 92 150 128 140C164 130 170 96 186 78" fill="none" '
             f'stroke="{WHITE}" stroke-width="9" stroke-linecap="round" '
             f'stroke-dasharray="2 20" stroke-opacity="0.9"/>')
    body = (f'<rect x="8" y="8" width="240" height="240" rx="56" fill="url(#bg)"/>'
            f'<circle cx="76" cy="76" r="26" fill="{SAND}"/>'
            f'<circle cx="52" cy="196" r="12" fill="{WHITE}"/>{route}'
            + plane("translate(146 34) scale(1.45) rotate(40 32 32)", WHITE))
    return svg(256, 256, body, defs)


# ---- output -------------------------------------------------------------------------------

IMAGES = {
    "main_butten": lambda: float_button(False),
    "main_butten_x": lambda: float_button(True),
    "popup1_camera": camera,
    "popup1_immigration": immigration,
    "popup1__money": money,
    "popup1_help": help_icon,
    "menu_carrier_add": carrier_add,
    "menu_carrier_list": carrier_list,
    "menu_flight_search": flight_search,
    "menu_hotel": hotel,
    "menu_alarm": alarm,
    "plane": lambda: svg(64, 64, plane("", WHITE)),
}

# Pictures looked up by their names with ".png" in them, drawn here and rendered below.
TRIP_ICONS = {"oneway": lambda: trip(False, False), "oneway_active": lambda: trip(False, True),
              "roundtrip": lambda: trip(True, False),
              "roundtrip_active": lambda: trip(True, True)}

# Sources of the raster backgrounds, kept apart from the pictures looked up by name.
BACKGROUNDS = {"main1_background2": background_day, "main2_background2": background_dusk}

# Raster copies: (svg name, output file, width, height); backgrounds at twice the point size.
RASTERS = [("images/src/main1_background2.svg", "images/main1_background2.jpg", 750, 720),
           ("images/src/main2_background2.svg", "images/main2_background2.png", 750, 720)] + [
    ("icons/hicolor/scalable/apps/tamberlinove.svg",
     f"icons/hicolor/{n}x{n}/apps/tamberlinove.png", n, n) for n in (48, 64, 128, 256)] + [
    (f"images/src/{name}.svg", f"images/{name}.png", 96, 96) for name in TRIP_ICONS]


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "assets"))
    parser.add_argument("--renderer", help="SVG renderer program built from shell/qt/tools")
    args = parser.parse_args()
    out = os.path.normpath(args.out)

    for name, draw in IMAGES.items():
        write(os.path.join(out, "images", name + ".svg"), draw())
    for name, draw in {**BACKGROUNDS, **TRIP_ICONS}.items():
        write(os.path.join(out, "images", "src", name + ".svg"), draw())
    write(os.path.join(out, "icons/hicolor/scalable/apps/tamberlinove.svg"), app_icon())

    if not args.renderer:
        print("SVG written; pass --renderer to render the raster copies", file=sys.stderr)
        return 0
    for src, dst, w, h in RASTERS:
        os.makedirs(os.path.dirname(os.path.join(out, dst)), exist_ok=True)
        subprocess.run([args.renderer, os.path.join(out, src), os.path.join(out, dst),
                        str(w), str(h)], check=True)
    # The nations' arrival cards.
    subprocess.run([sys.executable, os.path.join(here, "make-cards.py"), "--renderer",
                    args.renderer, "--out", out], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
