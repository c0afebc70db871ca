#!/usr/bin/env bash
# Draws the program's own pictures (splash, about box, icon) into src/app/pictures.
# Needs python3 and ImageMagick; the results are committed, so a build does not run this.
set -euo pipefail
cd "$(dirname "$0")/../src/app/pictures"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Background: a diagonal gradient with a soft band of light, and a stylised form sheet.
python3 - "$tmp" <<'PY'
import sys, math
out = sys.argv[1]

def sheet(px, w, h, x0, y0, sw, sh):
    for y in range(y0, y0 + sh):
        for x in range(x0, x0 + sw):
            fold = (x - x0) > sw - 14 and (y - y0) < 14 - (x0 + sw - x)
            if fold:
                continue
            px[y][x] = (250, 250, 246)
    for k in range(5):
        ly = y0 + 18 + k * 12
        for x in range(x0 + 8, x0 + sw - 10 - (k % 2) * 12):
            px[ly][x] = (120, 140, 170)
    # A green tick over the sheet.
    for t in range(0, 30):
        for d in range(-2, 3):
            ax, ay = x0 + sw - 30 + t // 2, y0 + sh - 24 + t // 2 + d
            bx, by = x0 + sw - 15 + t, y0 + sh - 9 - t + d
            if t < 16 and 0 <= ay < h:
                px[ay][ax] = (40, 170, 80)
            if 0 <= by < h and bx < w:
                px[by][bx] = (40, 170, 80)

def picture(name, w, h, c0, c1):
    px = [[(0, 0, 0)] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            t = (x / w) * 0.8 + (y / h) * 0.2
            band = math.exp(-((x - 0.62 * w - y * 0.8) / 60.0) ** 2) * 30
            px[y][x] = tuple(min(255, int(c0[i] + (c1[i] - c0[i]) * t + band)) for i in range(3))
    sheet(px, w, h, 16, 12, 62, 80)
    with open(f"{out}/{name}.ppm", "wb") as f:
        f.write(f"P6 {w} {h} 255\n".encode())
        f.write(bytes(v for row in px for p in row for v in p))

picture("splash", 460, 104, (20, 50, 110), (40, 130, 160))
picture("about", 460, 104, (60, 40, 110), (30, 110, 150))
PY

font_bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
convert "$tmp/splash.ppm" -fill white -font "$font_bold" -pointsize 34 -annotate +100+50 'Zizaza 2017' \
        -font "$font" -pointsize 14 -annotate +102+78 'Декларация 3-НДФЛ и 4-НДФЛ за 2017 год' \
        -quality 90 splash.jpg
convert "$tmp/about.ppm" -fill white -font "$font_bold" -pointsize 30 -annotate +100+42 'Zizaza 2017' \
        -font "$font" -pointsize 13 -annotate +102+66 'Подготовка налоговой декларации' \
        -annotate +102+84 'физического лица' \
        -quality 90 about.jpg

# The icon: a blue rounded square with a white sheet and the letter Z.
for size in 48 128; do
  convert -size 128x128 xc:none -fill '#1f4f9a' -draw 'roundrectangle 4,4 123,123 22,22' \
          -fill '#fafaf6' -draw 'polygon 34,18 80,18 98,36 98,110 34,110' \
          -fill '#1f4f9a' -font "$font_bold" -pointsize 62 -annotate +44+94 'Z' \
          -resize "${size}x${size}" "zizaza-$size.png"
done
