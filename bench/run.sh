#!/usr/bin/env bash
# Builds the benchmarks (RelWithDebInfo, in ./build-bench) and runs them:
#   start-up to the first painted frame against the two floor programs (an
#   empty window, and a bare window painting the same texts and pictures), on
#   the offscreen platform and on an X server (Xvfb), RUNS times each,
#   alternating; pricing a complete estimate; filling the estimate sheet and
#   rendering it to PDF.
# Usage: bash bench/run.sh [RUNS]      (default 30; BUILD=dir to use another build folder;
#        SCALE=2 to start every program at that device pixel ratio, QT_SCALE_FACTOR;
#        SCREEN=1280x720 for a virtual screen of that size, where the window scrolls)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-30}"
build="${BUILD:-build-bench}"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target \
  bench_startup_floor bench_startup_floor_text bench_startup_lumenta bench_startup_measure bench_estimate bench_report

# Qt wants a private runtime folder; without one it warns on every start.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# The window is 1001 x 737 logical pixels: the virtual screen holds it at the scale.
screen="1280x1024x24"
if [[ -n "${SCALE:-}" ]]; then
  export QT_SCALE_FACTOR="$SCALE"
  screen="$(awk -v s="$SCALE" 'BEGIN { printf "%dx%dx24", 1280 * s, 1024 * s }')"
fi
if [[ -n "${SCREEN:-}" ]]; then
  screen="${SCREEN}x24"
fi

startup="$build/bench/startup"
measure=("$startup/bench_startup_measure" "$runs" "$startup/bench_startup_floor" "$startup/bench_startup_floor_text"
  "$startup/bench_startup_lumenta")

echo "== load: $(uptime)"
echo "== scale: ${QT_SCALE_FACTOR:-1}, X screen: $screen"
echo "== start-up, offscreen platform"
QT_QPA_PLATFORM=offscreen "${measure[@]}"
echo "== start-up, X server (Xvfb)"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 $screen" "${measure[@]}"
echo "== pricing a complete estimate"
"$build/bench/estimate/bench_estimate"
echo "== filling the estimate sheet and rendering it to PDF"
QT_QPA_PLATFORM=offscreen "$build/bench/report/bench_report"
