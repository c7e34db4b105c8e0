#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick 6 (convert) and writes them
# next to this script: tempolis.ico, banner.gif, speaker.ico.
# The outputs are committed, so a build never needs ImageMagick.
# Running it again gives the same files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
latin_font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
cjk_font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

for tool in convert identify; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install imagemagick)" >&2; exit 1; }
done
for font in "$latin_font" "$cjk_font"; do
  [[ -f "$font" ]] || { echo "missing font: $font (apt-get install fonts-dejavu-core fonts-wqy-microhei)" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Palette.
ink='#1b3f6e'       # hands, speaker body
edge='#2c5f9e'      # sheet outline
ring='#2f80d8'      # clock ring, sound waves
fold='#cfe0f5'      # folded corner
lines='#8fb5e3'     # text lines on the sheet

# Icons are designed on their own pixel grid (pixel i spans [i, i+1]) and
# drawn 8x larger without antialiasing, then box-averaged down: edges that
# sit on the grid stay sharp, curves get 64 levels of coverage.
draw_icon() { # size mvg out.png
  local n=$1 mvg=$2 out=$3 big=$(( $1 * 8 ))
  convert -size "${big}x${big}" xc:none +antialias \
    -draw "affine 8,0,0,8,-0.5,-0.5 $mvg" \
    -scale "${n}x${n}" -strip "png32:$out"
}

# A document sheet with a folded corner, a clock over its lower right.
icon16="
  stroke $edge stroke-width 1 fill white
  polygon 1.5,0.5 7.5,0.5 10.5,3.5 10.5,13.5 1.5,13.5
  stroke none fill $fold polygon 7.5,1 7.5,3.5 10,3.5
  fill $lines rectangle 3,4 8,5 rectangle 3,6 7,7 rectangle 3,8 5,9
  fill white circle 11.5,11.5 11.5,7
  fill $ring circle 11.5,11.5 11.5,7.6
  fill white circle 11.5,11.5 11.5,9
  fill $ink rectangle 11,9 12,12 rectangle 11,11 14,12
"
icon32="
  stroke $edge stroke-width 1 fill white
  polygon 2.5,1.5 16.5,1.5 22.5,7.5 22.5,28.5 2.5,28.5
  stroke none fill $fold polygon 16.5,2 16.5,7.5 22,7.5
  fill $lines rectangle 6,10 18,11 rectangle 6,13 16,14 rectangle 6,16 13,17 rectangle 6,19 11,20
  stroke white stroke-width 2 fill $ring circle 22,22 22,12.6
  stroke none fill white circle 22,22 22,15.2
  fill $ink rectangle 21,16 23,23 rectangle 21,21 27,23
  fill $ring rectangle 21.5,15.5 22.5,16 rectangle 28,21.5 28.5,22.5
"
icon48="
  stroke $edge stroke-width 2 fill white
  polygon 4,2 25,2 33,10 33,44 4,44
  stroke none fill $fold polygon 25,3 25,10 32,10
  fill $lines rectangle 9,14 27,16 rectangle 9,19 24,21 rectangle 9,24 20,26 rectangle 9,29 17,31 rectangle 9,34 16,36
  stroke white stroke-width 2.5 fill $ring circle 33,33 33,19
  stroke none fill white circle 33,33 33,22.6
  fill $ring rectangle 32,23.5 34,25.5 rectangle 32,40.5 34,42.5 rectangle 23.5,32 25.5,34 rectangle 40.5,32 42.5,34
  fill $ink rectangle 32,25.5 34,34 rectangle 32,32 38.5,34
  circle 33,33 33,31.2
"
draw_icon 16 "$icon16" "$work/icon16.png"
draw_icon 32 "$icon32" "$work/icon32.png"
draw_icon 48 "$icon48" "$work/icon48.png"
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$work/tempolis.ico"

# A band of a ring, centred on the x axis through (cx, cy), as a filled path:
# ImageMagick 6 closes stroked open arcs, so waves cannot be plain strokes.
wave() { # cx cy radius width half-angle-degrees
  awk -v cx="$1" -v cy="$2" -v r="$3" -v w="$4" -v a="$5" 'BEGIN {
    t = a * atan2(0, -1) / 180; ro = r + w / 2; ri = r - w / 2
    printf "path \047M %.3f,%.3f A %s,%s 0 0,1 %.3f,%.3f L %.3f,%.3f A %s,%s 0 0,0 %.3f,%.3f Z\047\n",
      cx + ro * cos(t), cy - ro * sin(t), ro, ro, cx + ro * cos(t), cy + ro * sin(t),
      cx + ri * cos(t), cy + ri * sin(t), ri, ri, cx + ri * cos(t), cy - ri * sin(t)
  }'
}

# A loudspeaker: box, cone, two sound waves.
speaker16="
  stroke none fill $ink
  rectangle 1,5 4,11
  polygon 4,5 7,2 8,2 8,14 7,14 4,11
  fill $ring
  $(wave 6 8 4 1.5 45)
  $(wave 6 8 7.2 1.5 48)
"
draw_icon 16 "$speaker16" "$work/speaker16.png"
convert "$work/speaker16.png" "$work/speaker.ico"

# Banner: gradient, a clock at the left, the name and what it does.
clock="
  stroke white fill none stroke-width 3 circle 29,28.5 29,9.5
  stroke-width 2 stroke-linecap round
  line 29,13.5 29,16 line 29,41 29,43.5 line 14,28.5 16.5,28.5 line 41.5,28.5 44,28.5
  stroke-width 3 line 29,28.5 29,17.5 line 29,28.5 37,28.5
  stroke none fill white circle 29,28.5 29,26.5
"
# A few faint rings at the right end give the flat gradient some depth.
rings="
  fill none stroke #ffffff14 stroke-width 10 circle 440,28 440,-22
  stroke #ffffff0c stroke-width 6 circle 440,28 440,-44
"
convert -size 57x464 gradient:'#3f8fdc'-'#17467f' -rotate 90 \
  -draw "$rings" -draw "$clock" \
  -fill white -font "$latin_font" -pointsize 25 -annotate +58+38 'Tempolis' \
  -fill '#ffffff66' -draw 'rectangle 190,17 191,41' \
  -fill '#e3eefb' -font "$cjk_font" -pointsize 17 -annotate +204+36 '文件时间属性修改' \
  -flatten +repage -strip +dither -colors 255 "gif:$work/banner.gif"

# The build relies on these facts; keep the old files if ImageMagick changed them.
check() { # file expected-geometries
  local got
  got="$(identify -format '%wx%h ' "$1")"
  [[ "$got" == "$2 " ]] || { echo "$1: got '$got', expected '$2'" >&2; exit 1; }
}
check "$work/tempolis.ico" '16x16 32x32 48x48'
check "$work/speaker.ico" '16x16'
check "$work/banner.gif" '464x57'
[[ "$(head -c 6 "$work/banner.gif")" == GIF89a ]] || { echo "banner.gif is not GIF89a" >&2; exit 1; }
mv "$work/tempolis.ico" "$work/speaker.ico" "$work/banner.gif" "$here/"
echo "wrote $here/{tempolis.ico,speaker.ico,banner.gif}"
