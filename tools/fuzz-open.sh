#!/usr/bin/env bash
# Fuzzes the opening of a saved estimate (tests/fuzz/OpenEstimateFuzz.cpp):
# clang's libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer,
# from the seed corpus in tests/fuzz/corpus. Not part of the test run.
#
#   bash tools/fuzz-open.sh [seconds] [folder]   (default 600 s, build-fuzz)
#
# New inputs gather in <folder>/corpus; an input that crashes or hangs is
# left as <folder>/crash-* or timeout-*: copy it into tests/fuzz/corpus,
# where the ctest test fuzz.open_estimate_corpus runs it on every test run.
# An input is given 60 s: under nice on a busy machine the sanitizers'
# housekeeping alone once took 12 s on an input read in milliseconds.
# Packages: clang-14 libclang-rt-14-dev libqpdf-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
out=${2:-build-fuzz}
mkdir -p "$out/corpus"
version=$(sed -n 's/^project([^)]*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
flags=(-g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
# qpdf's headers are C++17 (clang 14 refuses them as C++20).
# shellcheck disable=SC2046
clang++-14 -std=c++17 "${flags[@]/fuzzer/fuzzer-no-link}" $(pkg-config --cflags libqpdf) \
  -c report/QpdfModule.cpp -o "$out/QpdfModule.o"
# shellcheck disable=SC2046
clang++-14 -std=c++20 "${flags[@]}" \
  -DLUMENTA_VERSION="\"$version\"" -Iestimate -Ireport \
  estimate/{Currency,SummaryGrid,Estimate,PlaceRules,PreparationRules,CeremonyRules,Calculation,EstimateRecord}.cpp \
  -DLUMENTA_QPDF_LINKED "$out/QpdfModule.o" report/PdfRecord.cpp report/EstimateFile.cpp tests/fuzz/OpenEstimateFuzz.cpp \
  $(pkg-config --cflags --libs libqpdf) -o "$out/open_estimate_fuzz"
seeds=$PWD/tests/fuzz/corpus
cd "$out"
exec ./open_estimate_fuzz -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=8192 \
  -print_final_stats=1 corpus "$seeds"
