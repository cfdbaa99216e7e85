#!/usr/bin/env bash
# Installs the Debian package on a freshly bootstrapped Debian 12 (a chroot
# with nothing but the minimal base system), starts the program there on a
# virtual X server and saves a screenshot of its first window.
# Usage (as root): bash tools/try-deb-on-fresh-debian.sh PACKAGE.deb [SHOT.png]
# Needs the network to Debian's archive; takes a few minutes.
set -euo pipefail
deb="$(realpath "${1:?usage: try-deb-on-fresh-debian.sh PACKAGE.deb [SHOT.png]}")"
shot="$(realpath -m "${2:-fresh-debian.png}")"
root="$(mktemp -d /tmp/fresh-debian.XXXXXX)"
trap 'umount "$root/proc" 2>/dev/null || true; rm -rf "$root"' EXIT

command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
command -v convert >/dev/null || apt-get install -y -q imagemagick
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/package.deb"

chroot "$root" bash -euc '
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null
  apt-get install -y -q /tmp/package.deb >/dev/null
  echo "installed: $(dpkg-query -W -f="\${Package} \${Version}" lumenta)"
  apt-get install -y -q --no-install-recommends xvfb xauth x11-apps >/dev/null
  mkdir -p -m 700 /tmp/runtime
  XDG_RUNTIME_DIR=/tmp/runtime xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    lumenta & sleep 4
    kill -0 \$! || { echo the program did not stay up >&2; exit 1; }
    xwd -root -out /tmp/shot.xwd
    kill \$!"
'
convert "$root/tmp/shot.xwd" "$shot"
echo "started on a fresh Debian 12; screenshot: $shot"
