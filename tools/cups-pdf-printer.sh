#!/usr/bin/env bash
# Optional, for users who want a printer that writes PDF files: adds the
# queue LumentaPDF (cups-pdf) to this machine's print service. It does not
# make it the default printer (lpadmin -d LumentaPDF does that), and the
# tests do not need it: they print on a service of their own. Needs root.
#
# Jobs land in the cups-pdf output folder (see /etc/cups/cups-pdf.conf,
# usually ~/PDF of the submitting user or /var/spool/cups-pdf/ANONYMOUS).
set -u

queue=LumentaPDF

say() { echo "cups-pdf-printer: $*"; }

if [[ $(id -u) -ne 0 ]]; then
  say "not root, leaving the printers as they are"
  exit 1
fi
for tool in cupsd lpadmin lpstat lpinfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    say "$tool is missing (packages cups, cups-bsd, printer-driver-cups-pdf), no printer set up"
    exit 1
  fi
done

scheduler_up() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if ! scheduler_up; then
  # No init system in containers and CI: start the daemon directly.
  cupsd >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do
    scheduler_up && break
    sleep 0.2
  done
fi
if ! scheduler_up; then
  say "the CUPS scheduler could not be started, no printer set up"
  exit 1
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  model=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1 }' | grep -m1 '_opt' ||
          lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
  if [[ -z "$model" ]]; then
    say "no cups-pdf driver found (package printer-driver-cups-pdf), no printer set up"
    exit 1
  fi
  if ! lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" -o PageSize=A4 >/dev/null 2>&1; then
    say "could not add the queue $queue"
    exit 1
  fi
fi
cupsenable "$queue" >/dev/null 2>&1 || true
cupsaccept "$queue" >/dev/null 2>&1 || true
say "$(lpstat -p "$queue" 2>/dev/null)"
exit 0
