#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lumenta.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found: run it on a virtual one with  xvfb-run -a -s '-screen 0 1280x1024x24' ./build/app/lumenta"
  exit 1
fi
exec ./build/app/lumenta
