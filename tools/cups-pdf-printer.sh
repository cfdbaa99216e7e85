#!/usr/bin/env bash
# Gives this machine a default printer that writes PDF files, so that the
# end-to-end print tests have something to print on. Needs root. Exits
# non-zero, with the reason, when no such printer could be set up; the print
# tests then skip themselves (tools/test.sh goes on, except under CI=true).
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
if ! lpadmin -d "$queue" >/dev/null 2>&1; then
  say "could not make $queue the default printer"
  exit 1
fi
say "$(lpstat -d 2>/dev/null)"
exit 0
