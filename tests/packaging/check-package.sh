#!/bin/sh
# Builds the Debian package into a scratch folder and checks that it holds the
# copyright file, the changelog, both manual pages and a stripped program,
# and that it depends on the CUPS client library the program opens itself.
# Usage: check-package.sh CPACK CPackConfig.cmake SCRATCH_DIR
set -eu
cpack=$1 config=$2 scratch=$3

rm -rf "$scratch"
mkdir -p "$scratch"
"$cpack" -G DEB --config "$config" -B "$scratch" >/dev/null
deb=$(ls "$scratch"/lumenta_*.deb)

status=0
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/share/doc/lumenta/copyright ./usr/share/doc/lumenta/changelog.gz \
            ./usr/share/man/man1/lumenta.1.gz ./usr/share/man/ja/man1/lumenta.1.gz ./usr/bin/lumenta \
            ./usr/lib/lumenta/liblumenta_qpdf.so ./usr/lib/lumenta/liblumenta_preview.so; do
  if ! printf '%s\n' "$contents" | grep -q " $path\$"; then
    echo "FAIL: the package lacks $path"
    status=1
  fi
done

# Stripped as dh_strip strips: no symbol table, no debugging sections, no .comment.
dpkg-deb --extract "$deb" "$scratch/root"
sections=$(readelf --section-headers --wide "$scratch/root/usr/bin/lumenta")
if printf '%s\n' "$sections" | grep -E '\.symtab|\.debug_|\.comment'; then
  echo "FAIL: usr/bin/lumenta in the package is not stripped (sections above)"
  status=1
fi

if ! dpkg-deb --field "$deb" Depends | grep -qw libcups2; then
  echo "FAIL: the package does not depend on libcups2"
  status=1
fi
# Saved estimates are written and read through qpdf, which the program's
# PDF module links.
if ! dpkg-deb --field "$deb" Depends | grep -q 'libqpdf'; then
  echo "FAIL: the package does not depend on qpdf's library"
  status=1
fi

# The preview shows the sheet through Qt PDF, which only its module links:
# the program itself loads neither Qt PDF nor Qt's printing module at start.
if ! dpkg-deb --field "$deb" Depends | grep -qw libqt6pdf6; then
  echo "FAIL: the package does not depend on Qt PDF"
  status=1
fi
if readelf --dynamic "$scratch/root/usr/bin/lumenta" | grep -E 'NEEDED.*libQt6(Pdf|PrintSupport)'; then
  echo "FAIL: usr/bin/lumenta links the libraries above, which only the preview needs"
  status=1
fi

[ "$status" -eq 0 ] && echo "the package holds the copyright file, the changelog, both manual pages and a stripped program"
exit "$status"
