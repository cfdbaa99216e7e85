#!/bin/bash
# Makes the README's keyboard-only estimate with the screen reader Orca
# listening, on a virtual display, and keeps what Orca spoke:
#
#   bash tools/screen-reader-route.sh [build folder] [output folder] [display]
#
# The route: the start button, F9 too early (the refusal), every choice of
# steps 1 to 5 with Tab, the arrow keys and Space, F9, a look at the total
# and the summary with Orca's flat review (keypad 8 and 7), then Ctrl+P.
# The sheet is printed on a print service of the route's own (the tests'
# tests/support/print-service.sh, in the temporary home), whose default
# printer keeps the document: the machine's printers are not used.
#
# The output folder (default /tmp/lumenta-screen-reader) gets speech.txt
# (every utterance, in order, each under the key that caused it), orca.log
# (Orca's whole debug log), keys.txt, lumenta-stderr.txt (the program's
# messages, timed), tree.txt (the accessibility tree after F9, from
# tools/atspi-tree.py), route.png (the screen after F9) and route.pdf (the
# printed sheet, as the print service received it).
# Orca speaks Japanese. Needs, besides the build: xvfb, orca, at-spi2-core,
# speech-dispatcher, espeak-ng, dbus-x11, python3-pyatspi, xdotool and a
# window manager (openbox); none of them is needed by the program or its
# tests. Orca's settings and speech-dispatcher's files stay in a temporary
# home that is removed at the end.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$(mkdir -p "${2:-/tmp/lumenta-screen-reader}" && cd "${2:-/tmp/lumenta-screen-reader}" && pwd)
display=${3:-:250}

if [ -z "${LUMENTA_ROUTE_INSIDE:-}" ]; then
    for tool in Xvfb orca xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
    done
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
    sleep 1
    bash "$root/tests/support/print-service.sh" start "$home/print-service" >/dev/null
    trap 'kill $xvfb 2>/dev/null; bash "$root/tests/support/print-service.sh" stop "$home/print-service"; rm -rf "$home"' EXIT
    CUPS_SERVER=$home/print-service/cups.sock CUPS_SERVERROOT=$home/print-service \
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/run \
        DISPLAY=$display LUMENTA_ROUTE_INSIDE=1 \
        dbus-run-session -- bash "$0" "$build" "$out" "$display"
    exit $?
fi

# Inside the session bus from here on.
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & pids+=($!); }
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true

# speech-dispatcher speaks with espeak-ng into ALSA's null device: a
# virtual machine has no sound card, and a voice that cannot play stalls the
# speech queue, and Orca with it.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
DefaultModule espeak-ng
CONF
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
log=$out/orca.log
rm -f "$log"
LANGUAGE=ja orca --replace --debug-file="$log" >/dev/null 2>&1 &
orca=$!
pids+=($orca)
# Orca is ready once it has announced itself.
for _ in $(seq 60); do grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.5; done

QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{message}' QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
    "$build/app/lumenta" >"$out/lumenta-stderr.txt" 2>&1 &
app=$!
pids+=($app)
for _ in $(seq 60); do xdotool search --name "Lumenta ver" >/dev/null 2>&1 && break; sleep 0.5; done
sleep 3

# Each key is noted with the time it was pressed, so that what Orca said
# can be put under the key that caused it.
keys=$out/keys.txt
: >"$keys"
key() {
    for k in "$@"; do
        echo "$(date +%H:%M:%S.%6N) - ROUTE KEY: $k" >>"$keys"
        xdotool key --clearmodifiers "$k"
        sleep "${LUMENTA_ROUTE_PAUSE:-1.5}"
    done
}

key Return                                     # 見積りを開始します
key F9 Return                                  # 計算 refused: no hall yet; OK
key space Tab Down Tab Down Tab space          # step 1: hall, distance, days, procedures
key alt+2 space Tab space Tab space Tab space  # step 2: coffin, altar, make-up, portrait
key Tab Down Tab Down Tab Down                 #         gifts, count, letters
key alt+3 Down Tab Down Tab space Tab space    # step 3: flowers, reception, wake food
key alt+4 Down Tab Down Tab space              # step 4: meal, people, hearse
key alt+5 space Tab space                      # step 5: after-altar, discount
key F9                                         # 計算
key KP_Up KP_Home KP_Home KP_Home              # flat review: the total's line, then up the summary
sleep 1
/usr/bin/python3 "$(dirname "$0")/atspi-tree.py" --showing >"$out/tree.txt" 2>&1 || true
import -window root "$out/route.png" 2>/dev/null || true
rm -f "$out/route.pdf"
key ctrl+p                                     # 印 刷
for _ in $(seq 30); do
    job=$(lpstat -W completed -o LumentaPDF 2>/dev/null | awk 'NR == 1 { sub(/.*-/, "", $1); print $1 }')
    [ -n "$job" ] && break
    sleep 0.5
done
[ -n "${job:-}" ] && cp "$(dirname "$CUPS_SERVER")/spool/d$(printf %05d "$job")-001" "$out/route.pdf"

# Orca writes its log when it ends.
kill -TERM "$orca" 2>/dev/null || true
for _ in $(seq 20); do kill -0 "$orca" 2>/dev/null || break; sleep 0.5; done

# Every utterance in order (some span several lines), under the key that
# caused it.
/usr/bin/python3 - "$log" "$keys" >"$out/speech.txt" <<'PY'
import re, sys
log = open(sys.argv[1], encoding="utf-8", errors="replace").read()
lines = [(m.group(1), "  " + re.sub(r"\s*\n\s*", " / ", m.group(2)))
         for m in re.finditer(r"^([0-9:.]+) - SPEECH OUTPUT: '(.*?)' ?\[?\{'established", log, re.M | re.S)]
for line in open(sys.argv[2], encoding="utf-8"):
    stamp, _, key = line.rstrip("\n").partition(" - ")
    lines.append((stamp, key))
for _, text in sorted(lines, key=lambda l: l[0]):
    print(text)
PY
echo "speech: $out/speech.txt ($(grep -c '^  ' "$out/speech.txt") utterances)"
[ -f "$out/route.pdf" ] && echo "sheet: $out/route.pdf"
exit 0
