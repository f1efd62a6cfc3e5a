#!/usr/bin/env bash
# Renders the README's gallery of every control into docs/gallery with
# brennix-render (build it first: cmake --build build --target brennix-render).
# Look at every picture before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
render=${BRENNIX_RENDER:-build/bin/brennix-render}
out=docs/gallery
mkdir -p "$out"

# Two traces, a sine and a cosine, as one sample per plot and call.
chart_calls=(--call InitControl)
while read -r a b; do chart_calls+=(--call "PlotCharts=$a,$b"); done < <(
  awk 'BEGIN { for (i = 0; i < 100; i++) printf "%.4f %.4f\n", 5 + 4 * sin(i / 8), 5 + 3 * cos(i / 5) }')
"$render" -s 320x200 -o "$out/chart.png" TRENDWICKLib.Chart PlotNum=2 \
  LineColor1=#FFFF00 LineColor2=#00FFFF YGridMajor=true XGridMajor=true \
  YGridMajorColor=#404040 XGridMajorColor=#404040 \
  "${chart_calls[@]}"

# One block of two interleaved plots, the second with markers.
graph=$(awk 'BEGIN { for (i = 0; i < 60; i++) printf "%s%.4f,%.4f", (i ? "," : ""),
  5 + 4 * sin(i / 6), 3 + 2 * cos(i / 4) }')
"$render" -s 320x200 -o "$out/graph.png" TRENDWICKLib.Graph PlotNum=2 ViewNum=60 \
  LineColor1=#FF8000 LineColor2=#00C000 PointStyle2=PS_SolidCircle PointColor2=#00C000 \
  --call "PlotGraphs=$graph"

"$render" -s 160x160 -o "$out/knob.png" PANELMOORLib.Knob Pointer1Value=6.5 Value=6.5 \
  FillStyle=FS_FillToMinimum
"$render" -s 90x200 -o "$out/slide.png" PANELMOORLib.Slide Pointer1Value=3.5 Value=3.5 \
  FillStyle=FS_FillToMinimum
"$render" -s 200x64 -o "$out/e7segment.png" PANELMOORLib.E7Segment DigitNumber=5 Value=-12.75
"$render" -s 300x44 -o "$out/boolean.png" PANELMOORLib.Boolean BtnNum=6 Value=21

# Every equipment symbol, twice its default size (the control keeps its shape).
symbol() { # control style-property styles width
  for ((s = 0; s < $3; s++)); do
    "$render" -s "${4}x${4}" -o "$out/$(echo "$1" | tr 'A-Z' 'a-z')-$s.png" "PLANTWERKLib.$1" "$2=$s"
  done
}
symbol Motor MotorStyle 2 76
symbol Pump PumpStyle 10 76
symbol Tank TankStyle 5 100
symbol Value ValueStyle 9 76
symbol Pipe PipeStyle 8 76
echo "gallery: $(ls "$out" | wc -l) pictures in $out"
