#!/usr/bin/env bash
# Configures and builds Lumenta into ./build: optimised, with debugging
# information, assertions off (RelWithDebInfo); -Werror under CI=true.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENTA_WERROR="$werror" >/dev/null
cmake --build build --parallel "$(nproc)"
