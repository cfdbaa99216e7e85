#!/usr/bin/env bash
# The tests' own print service: a CUPS scheduler whose configuration, spool,
# logs and socket are all in one folder, with the queues the tests print on.
# It reads and writes nothing outside that folder, listens on no network
# port, and runs as whoever starts it (no root needed), so the machine's
# printers and default printer stay exactly as they were.
#
#   print-service.sh start <folder>   starts it afresh; CUPS_SERVER=<folder>/cups.sock reaches it
#   print-service.sh stop <folder>
#
# Queues: LumentaPDF, the default, completes every job at once; LumentaFaults
# holds every job until released. Both keep each job's document in the spool
# (<folder>/spool/dNNNNN-001), exactly as the program sent it.
#
# Without the scheduler (package cups-daemon) start writes the reason to
# <folder>/unavailable and succeeds, and the print tests skip with it; under
# CI=true it fails instead.
set -u
# The administration tools live in sbin, which an ordinary user's PATH may lack.
PATH=$PATH:/usr/sbin
# lpstat's answers are read below in English, whatever the user's language.
export LC_ALL=C

action=${1:?start or stop}
dir=$(realpath -m "${2:?folder}")
socket=$dir/cups.sock

say() { echo "print-service: $*"; }

running() { [[ -f $dir/cupsd.pid ]] && kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null &&
              [[ $(ps -o stat= -p "$(cat "$dir/cupsd.pid")") != Z* ]]; }

stop() {
  if running; then
    kill "$(cat "$dir/cupsd.pid")"
    for _ in $(seq 1 50); do running || break; sleep 0.1; done
  fi
  rm -f "$dir/cupsd.pid"
}

unavailable() {
  say "$1"
  echo "$1" > "$dir/unavailable"
  [[ "${CI:-}" == "true" ]] && exit 1
  exit 0
}

if [[ $action == stop ]]; then
  stop
  exit 0
fi

stop
rm -rf "$dir"
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/home"
cupsd=$(command -v cupsd) || unavailable "no CUPS scheduler (package cups-daemon)"
for tool in lpadmin lpstat; do
  command -v $tool >/dev/null || unavailable "$tool is missing (package cups-client)"
done

# No authentication and no administration through the web: the socket is
# the only way in, and /admin/conf cannot rewrite this configuration.
cat > "$dir/cupsd.conf" <<EOF
Listen $socket
Browsing Off
WebInterface No
LogLevel info
MaxLogSize 0
PreserveJobHistory Yes
PreserveJobFiles Yes
ServerAlias *
DefaultAuthType None
<Location /admin/conf>
  Order allow,deny
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
{
  echo "FileDevice Yes"
  echo "Printcap $dir/printcap"
  echo "ServerRoot $dir"
  echo "ServerBin /usr/lib/cups"
  echo "DataDir /usr/share/cups"
  echo "DocumentRoot /usr/share/cups/doc-root"
  echo "RequestRoot $dir/spool"
  echo "TempDir $dir/spool/tmp"
  echo "CacheDir $dir/cache"
  echo "StateDir $dir/state"
  echo "AccessLog $dir/log/access_log"
  echo "ErrorLog $dir/log/error_log"
  echo "PageLog $dir/log/page_log"
  # As root the scheduler runs its helpers as lp, as the system's does; as
  # anyone else, as that user.
  if [[ $(id -u) -ne 0 ]]; then
    echo "User $(id -un)"
    echo "Group $(id -gn)"
    echo "SystemGroup $(id -gn)"
  fi
} > "$dir/cups-files.conf"

setsid "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"

export CUPS_SERVER=$socket
for _ in $(seq 1 100); do
  lpstat -r 2>/dev/null | grep -q 'is running' && break
  sleep 0.1
done
lpstat -r 2>/dev/null | grep -q 'is running' ||
  unavailable "the scheduler did not start: $(tail -3 "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null)"

# Queues without a driver: the document is kept as it came, and nothing is
# run on it. The null device takes what would go to paper.
lpadmin -p LumentaPDF -E -v file:///dev/null -D "Lumenta test PDF queue" &&
  lpadmin -d LumentaPDF &&
  lpadmin -p LumentaFaults -E -v file:///dev/null -o job-hold-until-default=indefinite ||
  unavailable "the queues could not be added"
say "running as $(id -un) on $socket"
