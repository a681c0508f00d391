#!/usr/bin/env python3
"""Draws the arrival and departure card of every nation of the demo data: a filled-in
example of the card a traveller writes, with Korean guidance beside each field.

Each card is written as SVG to a scratch folder and rendered to
assets/images/<name>.jpg with the Qt renderer built from shell/qt/tools; <name> is the
nation's English name without blanks, in lower case, as the card guide looks it up.

Usage: scripts/make-cards.py --renderer PATH [--out ASSETS_DIR] [--nations CSV]
"""

import argparse
import colorsys
import csv
import os
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape

WIDTH, HEIGHT = 1000, 700
INK = "#16313F"
MUTED = "#6B8793"
LINE = "#C9DADF"
PEN = "#1D4ED8"          # the example answers, as if written in blue ink
PAPER = "#FBFDFD"
SANS = "NanumBarunGothic"
HAND = "NanumSquareRound"


def card_name(english):
    return english.replace(" ", "").lower() + ".jpg"


def nation_colours(code):
    """A deep and a light shade of a hue chosen by the nation's code."""
    hue = (int(code) * 47 % 360) / 360.0
    deep = colorsys.hls_to_rgb(hue, 0.32, 0.55)
    light = colorsys.hls_to_rgb(hue, 0.93, 0.45)
    to_hex = lambda rgb: "#" + "".join(f"{round(c * 255):02X}" for c in rgb)
    return to_hex(deep), to_hex(light)


def text(x, y, content, size, fill=INK, weight="normal", family=SANS, anchor="start"):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}">{escape(content)}</text>')


def label_width(label, size):
    """About how wide a label is drawn: Hangul a full em, Latin letters and blanks about half."""
    return round(sum(size if ord(c) >= 0x1100 else size * 0.5 for c in label))


def field(x, y, w, korean, english, answer, number=None, tint="#FFFFFF"):
    """A labelled box with an example answer; `number` marks it in the guidance list."""
    parts = [f'<rect x="{x}" y="{y}" width="{w}" height="62" rx="6" fill="{tint}" '
             f'stroke="{LINE}" stroke-width="1.5"/>',
             text(x + 10, y + 19, korean, 13, MUTED, "bold"),
             text(x + 10 + label_width(korean, 13) + 10, y + 19, english.upper(), 10, MUTED),
             text(x + 12, y + 49, answer, 21, PEN, "bold", HAND)]
    if number is not None:
        parts.append(marker(x + w - 16, y + 16, number))
    return "".join(parts)


def marker(cx, cy, number, fill="#F2705E"):
    return (f'<circle cx="{cx}" cy="{cy}" r="11" fill="{fill}"/>'
            + text(cx, cy + 5, str(number), 13, "#FFFFFF", "bold", anchor="middle"))


def checkbox(x, y, label, checked):
    mark = (f'<path d="M{x + 3} {y + 9}L{x + 8} {y + 14}L{x + 17} {y + 3}" fill="none" '
            f'stroke="{PEN}" stroke-width="3" stroke-linecap="round"/>' if checked else "")
    return (f'<rect x="{x}" y="{y}" width="18" height="18" rx="3" fill="#FFFFFF" '
            f'stroke="{MUTED}" stroke-width="1.5"/>{mark}' + text(x + 26, y + 15, label, 14))


def card(code, english, korean):
    deep, light = nation_colours(code)
    upper = english.upper()
    body = [f'<rect width="{WIDTH}" height="{HEIGHT}" fill="{PAPER}"/>',
            f'<rect x="6" y="6" width="{WIDTH - 12}" height="{HEIGHT - 12}" rx="14" fill="none" '
            f'stroke="{deep}" stroke-width="3"/>']

    # ---- arrival card (left)
    body += [f'<rect x="6" y="6" width="690" height="96" rx="14" fill="{deep}"/>',
             f'<rect x="6" y="60" width="690" height="42" fill="{deep}"/>',
             text(30, 50, upper, 30, "#FFFFFF", "bold"),
             text(30, 84, f"ARRIVAL CARD  ·  {korean} 입국신고서", 17, "#FFFFFF"),
             f'<circle cx="640" cy="54" r="30" fill="{light}" fill-opacity="0.25"/>',
             text(640, 62, code.rjust(3, "0"), 20, "#FFFFFF", "bold", anchor="middle")]
    left = 30
    body += [field(left, 122, 310, "성", "Family name", "HONG", 1),
             field(left + 326, 122, 314, "이름", "Given names", "GILDONG", 2),
             field(left, 198, 200, "생년월일", "Date of birth", "1990 . 01 . 31", 3),
             field(left + 216, 198, 150, "성별", "Sex", "M", None),
             field(left + 382, 198, 258, "국적", "Nationality", "REPUBLIC OF KOREA", 4),
             field(left, 274, 310, "여권번호", "Passport No.", "M12345678", 5),
             field(left + 326, 274, 314, "항공편명", "Flight No.", "KE 0701", 6),
             field(left, 350, 640, f"{korean} 내 주소", f"Address in {english}",
                   "GRAND HOTEL, 1-2-3 CENTRAL", 7, light)]
    body += [text(left, 446, "방문 목적  Purpose of visit", 13, MUTED, "bold"),
             checkbox(left, 458, "관광 Tourism", True),
             checkbox(left + 150, 458, "사업 Business", False),
             checkbox(left + 306, 458, "친지 방문 Visiting", False),
             checkbox(left + 490, 458, "기타 Other", False),
             text(left, 512, "체류 기간  Length of stay", 13, MUTED, "bold"),
             text(left + 180, 514, "5 DAYS", 21, PEN, "bold", HAND),
             f'<line x1="{left}" y1="566" x2="{left + 300}" y2="566" stroke="{INK}" '
             f'stroke-width="1.2"/>',
             text(left, 586, "서명  Signature", 13, MUTED, "bold"),
             f'<path d="M{left + 20} 556C{left + 40} 520 {left + 60} 560 {left + 80} 536'
             f'S{left + 120} 548 {left + 150} 530" fill="none" stroke="{PEN}" stroke-width="3" '
             f'stroke-linecap="round"/>', marker(left + 318, 552, 8)]
    # Guidance for the numbered fields.
    tips = ["영문 대문자로 여권과 같게 적습니다", "생년월일은 연 · 월 · 일 순서",
            "주소는 첫날 묵을 숙소", "서명은 여권 서명과 같게"]
    body.append(f'<rect x="{left + 340}" y="500" width="300" height="128" rx="10" '
                f'fill="{light}"/>')
    body.append(text(left + 356, 526, "작성 안내", 15, deep, "bold"))
    for i, tip in enumerate(tips):
        body.append(text(left + 356, 552 + i * 22, f"· {tip}", 13, INK))
    body.append(text(left, 660, f"Welcome to {english}  ·  {korean}에 오신 것을 환영합니다",
                     14, MUTED))

    # ---- perforation
    body += [f'<line x1="716" y1="20" x2="716" y2="{HEIGHT - 20}" stroke="{MUTED}" '
             f'stroke-width="2" stroke-dasharray="2 8" stroke-linecap="round"/>',
             f'<circle cx="716" cy="6" r="12" fill="#FFFFFF"/>',
             f'<circle cx="716" cy="{HEIGHT - 6}" r="12" fill="#FFFFFF"/>']

    # ---- departure card (right)
    right = 736
    body += [f'<rect x="{right}" y="20" width="244" height="70" rx="10" fill="{light}"/>',
             text(right + 14, 50, "DEPARTURE CARD", 18, deep, "bold"),
             text(right + 14, 75, "출국신고서 · 출국 때 제출", 14, INK),
             field(right, 108, 244, "성", "Family name", "HONG"),
             field(right, 184, 244, "이름", "Given names", "GILDONG"),
             field(right, 260, 244, "생년월일", "Date of birth", "1990 . 01 . 31"),
             field(right, 336, 244, "국적", "Nationality", "KOREA"),
             field(right, 412, 244, "출국 항공편", "Departing flight", "KE 0702"),
             f'<rect x="{right}" y="500" width="244" height="128" rx="10" fill="#FFFFFF" '
             f'stroke="{LINE}" stroke-width="1.5" stroke-dasharray="6 5"/>',
             text(right + 122, 556, "입국 심사 때 여권에", 13, MUTED, anchor="middle"),
             text(right + 122, 576, "붙여 돌려받는 부분입니다", 13, MUTED, anchor="middle"),
             text(right + 122, 604, "잃어버리지 마세요", 13, "#F2705E", "bold",
                  anchor="middle")]
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{WIDTH}" height="{HEIGHT}" viewBox="0 0 {WIDTH} {HEIGHT}">\n'
            + "".join(body) + "\n</svg>\n")


def nations(path):
    with open(path, encoding="utf-8") as f:
        rows = [line for line in f if not line.startswith("#")]
    return list(csv.DictReader(rows))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "assets"))
    parser.add_argument("--nations",
                        default=os.path.join(here, "..", "services", "data", "nations.csv"))
    parser.add_argument("--renderer", required=True,
                        help="SVG renderer program built from shell/qt/tools")
    parser.add_argument("--quality", default="50", help="JPEG quality of the cards")
    args = parser.parse_args()
    images = os.path.join(os.path.normpath(args.out), "images")
    os.makedirs(images, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="cards-") as scratch:
        for n in nations(args.nations):
            name = card_name(n["NationEng"])
            source = os.path.join(scratch, name[:-4] + ".svg")
            with open(source, "w", encoding="utf-8") as f:
                f.write(card(n["NationCode"], n["NationEng"], n["NationKor"]))
            subprocess.run([args.renderer, source, os.path.join(images, name), str(WIDTH),
                            str(HEIGHT), args.quality], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
