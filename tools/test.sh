#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest. The
# print tests start a print service of their own in the build folder
# (tests/support/print-service.sh): the machine's printers, its default
# printer and its print service are neither used nor changed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cd build
ctest --output-on-failure --timeout 300
