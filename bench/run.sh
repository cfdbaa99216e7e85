#!/usr/bin/env bash
# Builds the benchmarks (RelWithDebInfo, in ./build-bench) and runs them:
#   start-up to the first painted frame against the floor program, on the
#   offscreen platform and on an X server (Xvfb), RUNS times each, alternating;
#   pricing a complete estimate; filling the estimate sheet and rendering it to PDF.
# Usage: bash bench/run.sh [RUNS]      (default 30; BUILD=dir to use another build folder)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-30}"
build="${BUILD:-build-bench}"

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target \
  bench_startup_floor bench_startup_lumenta bench_startup_measure bench_estimate bench_report

# Qt wants a private runtime folder; without one it warns on every start.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

startup="$build/bench/startup"
measure=("$startup/bench_startup_measure" "$runs" "$startup/bench_startup_floor" "$startup/bench_startup_lumenta")

echo "== load: $(uptime)"
echo "== start-up, offscreen platform"
QT_QPA_PLATFORM=offscreen "${measure[@]}"
echo "== start-up, X server (Xvfb)"
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24' "${measure[@]}"
echo "== pricing a complete estimate"
"$build/bench/estimate/bench_estimate"
echo "== filling the estimate sheet and rendering it to PDF"
QT_QPA_PLATFORM=offscreen "$build/bench/report/bench_report"
