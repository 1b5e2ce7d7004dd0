#!/usr/bin/env python3
"""Renders a recorded drawing (tests/data/drawings/*.txt) as an SVG picture to look at.

usage: scripts/show-drawing.py RECORDING [WIDTH HEIGHT] > picture.svg
The recording holds one painted call a line: line/box/circle/polyline with pixel
coordinates, then the colour (#bbggrr, red in the low byte), a style or fill flag
and the pen width; text with its top-left corner, colour, flags and the text.
"""
import html
import sys


def colour(bgr):
    v = int(bgr[1:], 16)
    return "#%02x%02x%02x" % (v & 255, (v >> 8) & 255, v >> 16)


def main():
    path = sys.argv[1]
    width, height = (sys.argv[2], sys.argv[3]) if len(sys.argv) > 3 else ("900", "600")
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s">' % (width, height),
           '<rect width="100%" height="100%" fill="white"/>']
    for row in open(path, encoding="utf-8"):
        cells = row.rstrip("\n").split(" ")
        call = cells[0]
        if call in ("clear", "handles") or len(cells) < 2:
            continue
        if call == "text":
            x, y, c = float(cells[1]), float(cells[2]), colour(cells[3])
            text = html.escape(" ".join(cells[6:]))
            out.append('<text x="%g" y="%g" fill="%s" font-family="monospace" font-size="11">'
                       '%s</text>' % (x, y + 11, c, text))
            continue
        numbers = [float(v) for v in cells[1:-3]]
        c, flag, pen = colour(cells[-3]), int(cells[-2]), max(int(cells[-1]), 1)
        dash = ' stroke-dasharray="2,2"' if flag == 1 and call in ("line", "polyline") else ""
        if call == "line":
            x1, y1, x2, y2 = numbers
            out.append('<line x1="%g" y1="%g" x2="%g" y2="%g" stroke="%s" stroke-width="%d"%s/>'
                       % (x1, y1, x2, y2, c, pen, dash))
        elif call == "polyline":
            points = " ".join("%g,%g" % (numbers[i], numbers[i + 1])
                              for i in range(0, len(numbers), 2))
            out.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="%d"%s/>'
                       % (points, c, pen, dash))
        elif call == "box":
            x1, y1, x2, y2 = numbers
            fill = c if flag else "none"
            out.append('<rect x="%g" y="%g" width="%g" height="%g" stroke="%s" fill="%s"/>'
                       % (min(x1, x2), min(y1, y2), abs(x2 - x1), abs(y2 - y1), c, fill))
        elif call == "circle":
            x, y, r = numbers
            out.append('<circle cx="%g" cy="%g" r="%g" stroke="%s" fill="%s"/>'
                       % (x, y, r, c, c if flag else "none"))
    out.append("</svg>")
    print("\n".join(out))


if __name__ == "__main__":
    main()
