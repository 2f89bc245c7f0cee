#!/bin/sh
# Draws the main window's pictures with ImageMagick: the cover-sheet logo (360 x 147, 256
# colours), the check marks (two 18 x 18 images side by side: green, then greyed), the tool
# buttons (two 16 x 16 images side by side: enabled, then disabled) and the program's icon.
# The check marks and tool buttons also come at twice the size (name@2x.png), drawn from the
# same figures, so they stay sharp on screens scaled to 150 or 200 %.
# Run it in this folder; the PNGs are committed, so a build never needs ImageMagick.
set -eu
cd "$(dirname "$0")"

BLUE='#1f3a5f'
STEEL='#7a8ca3'
LIGHT='#e8edf3'
GREEN='#2e8b3a'
AMBER='#d98a1c'
FONT=Liberation-Sans-Bold
FONT_REG=Liberation-Sans

# The logo: a lift shaft with its car on the left, the name on the right, a thin rule below.
convert -size 360x147 xc:white \
  -fill "$LIGHT" -stroke none -draw "rectangle 14,10 84,136" \
  -fill none -stroke "$BLUE" -strokewidth 3 -draw "rectangle 14,10 84,136" \
  -stroke "$STEEL" -strokewidth 2 -draw "line 24,12 24,134" -draw "line 74,12 74,134" \
  -stroke "$BLUE" -strokewidth 1 -draw "line 45,12 45,48" -draw "line 53,12 53,48" \
  -fill "$BLUE" -stroke none -draw "rectangle 29,48 69,100" \
  -fill white -draw "rectangle 33,53 48,96" -draw "rectangle 50,53 65,96" \
  -fill "$AMBER" -draw "polygon 49,110 41,122 57,122" -draw "polygon 41,126 57,126 49,138" \
  -fill "$BLUE" -font "$FONT" -pointsize 46 -draw "text 102,66 'QVL'" \
  -fill "$BLUE" -font "$FONT" -pointsize 26 -draw "text 102,102 'Gruppenstatistik'" \
  -stroke "$AMBER" -strokewidth 3 -draw "line 104,116 346,116" \
  -stroke none -fill "$STEEL" -font "$FONT_REG" -pointsize 12 \
  -draw "text 104,134 'Verkehrsanalyse einer Aufzugsgruppe'" \
  -colors 256 PNG8:../../chartfx3/resources/logo.png

# Check marks: a green tick, then the same tick in grey.
S=1 # the scale the pictures below are drawn at
tick() { # colour output
  convert -size $((18 * S))x$((18 * S)) xc:none -affine $S,0,0,$S,0,0 -fill none -stroke "$1" -strokewidth 3 \
    -draw "stroke-linecap round stroke-linejoin round polyline 3,9 7,14 15,4" "$2"
}

# Tool buttons, each drawn in colour and in grey.
exit_icon() { # colour output: an open door with an arrow leaving it
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -fill none -stroke "$1" -strokewidth 1 \
    -draw "rectangle 2,1 9,14" -fill "$1" -draw "polygon 2,1 6,3 6,15 2,14" \
    -stroke "$2" -strokewidth 2 -draw "line 8,8 14,8" -fill "$2" -stroke none \
    -draw "polygon 15,8 11,4 11,12" "$3"
}
open_icon() { # colour accent output: a folder
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -fill "$2" -stroke "$1" -strokewidth 1 \
    -draw "polygon 1,3 6,3 7,5 14,5 14,13 1,13" \
    -fill "$1" -stroke none -draw "polygon 3,8 15,8 13,13 1,13" "$3"
}
print_icon() { # colour accent output: a printer with a sheet
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -fill white -stroke "$1" -strokewidth 1 \
    -draw "rectangle 4,1 11,7" -fill "$1" -stroke none -draw "rectangle 1,7 14,12" \
    -fill white -stroke "$1" -draw "rectangle 4,10 11,15" \
    -fill "$2" -stroke none -draw "rectangle 12,8 13,9" "$3"
}
setup_icon() { # colour accent output: a printer with a spanner mark
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -fill "$1" -stroke none -draw "rectangle 1,5 12,10" \
    -fill white -stroke "$1" -strokewidth 1 -draw "rectangle 3,1 10,5" \
    -draw "rectangle 3,9 10,13" \
    -stroke "$2" -strokewidth 2 -draw "line 10,15 15,10" "$3"
}
compare_icon() { # colour accent output: two pairs of bars, this period and the comparison
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -stroke none \
    -fill "$1" -draw "rectangle 1,7 3,13" -draw "rectangle 9,9 11,13" \
    -fill "$2" -draw "rectangle 4,3 6,13" -draw "rectangle 12,2 14,13" \
    -fill "$1" -draw "rectangle 0,14 15,14" "$3"
}
report_icon() { # colour accent output: a sheet with a folded corner and a bar chart on it
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -fill white -stroke "$1" -strokewidth 1 \
    -draw "polygon 2,0 10,0 14,4 14,15 2,15" -fill "$1" -draw "polygon 10,0 10,4 14,4" \
    -stroke none -fill "$2" -draw "rectangle 4,10 5,13" -draw "rectangle 7,6 8,13" \
    -fill "$1" -draw "rectangle 10,8 11,13" "$3"
}
overview_icon() { # colour accent output: a folder holding the rows of a table
  convert -size $((16 * S))x$((16 * S)) xc:none -affine $S,0,0,$S,0,0 -fill "$2" -stroke "$1" -strokewidth 1 \
    -draw "polygon 1,2 6,2 7,4 14,4 14,14 1,14" -stroke none -fill "$1" \
    -draw "rectangle 3,6 12,7" -draw "rectangle 3,9 12,9" -draw "rectangle 3,11 12,11" \
    -draw "rectangle 3,13 12,13" "$3"
}
pair() { # name drawer
  "$2" "$BLUE" "$AMBER" /tmp/gs_on.png
  "$2" '#9a9a9a' '#c4c4c4' /tmp/gs_off.png
  convert /tmp/gs_on.png /tmp/gs_off.png +append +repage -depth 8 "$1.png"
}
for S in 1 2; do
  suffix=$([ $S = 1 ] || echo "@${S}x")
  tick "$GREEN" /tmp/gs_tick_on.png
  tick '#a0a0a0' /tmp/gs_tick_off.png
  convert /tmp/gs_tick_on.png /tmp/gs_tick_off.png +append +repage -depth 8 "haken$suffix.png"
  pair "exitbtn$suffix" exit_icon
  pair "openbtn$suffix" open_icon
  pair "printbtn$suffix" print_icon
  pair "setupbtn$suffix" setup_icon
  pair "comparebtn$suffix" compare_icon
  pair "reportbtn$suffix" report_icon
  pair "overviewbtn$suffix" overview_icon
done
rm -f /tmp/gs_on.png /tmp/gs_off.png /tmp/gs_tick_on.png /tmp/gs_tick_off.png

# The program's icon for the desktop: the shaft and car of the logo, 64 x 64.
convert -size 64x64 xc:none \
  -fill "$LIGHT" -stroke "$BLUE" -strokewidth 3 -draw "roundrectangle 10,3 54,61 4,4" \
  -stroke "$BLUE" -strokewidth 1 -draw "line 29,4 29,18" -draw "line 35,4 35,18" \
  -fill "$BLUE" -stroke none -draw "rectangle 18,18 46,46" \
  -fill white -draw "rectangle 21,21 31,43" -draw "rectangle 33,21 43,43" \
  -fill "$AMBER" -draw "polygon 32,49 26,57 38,57" \
  gruppenstatistik.png

# The same icon for Windows (the .exe files, the setup program, "Öffnen mit"): drawn at
# 256 x 256 from the same figures, then scaled down to the sizes Explorer asks for.
convert -size 256x256 xc:none -affine 4,0,0,4,0,0 \
  -fill "$LIGHT" -stroke "$BLUE" -strokewidth 3 -draw "roundrectangle 10,3 54,61 4,4" \
  -stroke "$BLUE" -strokewidth 1 -draw "line 29,4 29,18" -draw "line 35,4 35,18" \
  -fill "$BLUE" -stroke none -draw "rectangle 18,18 46,46" \
  -fill white -draw "rectangle 21,21 31,43" -draw "rectangle 33,21 43,43" \
  -fill "$AMBER" -draw "polygon 32,49 26,57 38,57" \
  -depth 8 -define icon:auto-resize=256,64,48,32,16 ../../app/windows/gruppenstatistik.ico
