#!/usr/bin/env bash
# Opens a saved estimate in the real program again and again, the way a
# user does: `lumenta FILE` on a virtual display, Ctrl+S into the next file
# (typed into the save dialog), quit, and so on. Every file of the chain must
# carry the same record and print the same texts, and its page must render
# to the same pixels.
#
#   bash tools/reopen-chain.sh [BUILD] [ROUNDS] [FIRST.pdf] [FOLDER]
#
# Defaults: build, 5 rounds, the seed estimate of the fuzz corpus, a scratch
# folder. Needs Xvfb, xdotool, poppler-utils and imagemagick; the program's
# questions are answered with Escape (the saved file is not opened).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-5}
first=${3:-tests/fuzz/corpus/pdf-with-total.pdf}
folder=${4:-$(mktemp -d)}
mkdir -p "$folder"
display=":$((70 + RANDOM % 20))"

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
cp "$first" "$folder/0.pdf"
for ((i = 0; i < rounds; i++)); do
  "$build/app/lumenta" "$folder/$i.pdf" >"$folder/$i.log" 2>&1 &
  program=$!
  sleep 5
  xdotool mousemove 250 320 click 1   # a caption of step 5: the window takes the keys
  sleep 0.5
  xdotool key ctrl+s
  sleep 2
  xdotool key ctrl+a
  xdotool type --delay 10 "$folder/$((i + 1)).pdf"
  xdotool key Return
  sleep 3
  xdotool key Escape
  sleep 0.5
  kill "$program"
  wait "$program" 2>/dev/null || true
done

status=0
for ((i = 1; i <= rounds; i++)); do
  pdfdetach -save 1 -o "$folder/$i.json" "$folder/$i.pdf"
  pdftotext -layout "$folder/$i.pdf" "$folder/$i.txt"
  pdftoppm -r 60 -png -singlefile "$folder/$i.pdf" "$folder/$i"
  if ((i > 1)); then
    cmp -s "$folder/1.json" "$folder/$i.json" || { echo "round $i: the record differs"; status=1; }
    cmp -s "$folder/1.txt" "$folder/$i.txt" || { echo "round $i: the printed texts differ"; status=1; }
    pixels=$(compare -metric AE "$folder/1.png" "$folder/$i.png" null: 2>&1 || true)
    [[ "$pixels" == "0" ]] || { echo "round $i: $pixels pixels differ"; status=1; }
  fi
done
((status == 0)) && echo "$rounds rounds through the real program: the same record, texts and page (in $folder)"
exit "$status"
