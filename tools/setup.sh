#!/usr/bin/env bash
# Installs what building, running and testing Lumenta needs on Debian 12.
# Idempotent: when every package is already there it asks apt nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland qt6-translations-l10n libgl-dev qt6-pdf-dev
  libicu-dev libgtest-dev libbenchmark-dev libqpdf-dev qpdf
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-vlgothic
  xvfb xauth imagemagick poppler-utils dbus-daemon
  cups-daemon cups-client libcups2-dev
  appstream desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
