#!/bin/bash
# Makes the README's keyboard-only estimate with the screen reader Orca
# listening, on a virtual display, and keeps what Orca spoke:
#
#   bash tools/screen-reader-route.sh [build folder] [output folder] [display]
#   PACE=3 bash tools/screen-reader-route.sh ...   one key every 3 s, heard in real time
#   ROUTE=keys.sh bash tools/screen-reader-route.sh ...   the keys of keys.sh instead
#
# The route: the start button, F9 too early (the refusal), every choice of
# steps 1 to 5 with Tab, the arrow keys and Space, F9, a look at the total
# and the summary with Orca's flat review (keypad 8 and 7), then Ctrl+P, and
# the printed sheet opened again with Ctrl+O.
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
#
# Without PACE the keys come every 1.5 s (LUMENTA_ROUTE_PAUSE) and the voice
# plays into ALSA's null device, which swallows audio at once: the log says
# what Orca asked to be said, not what a listener would hear. With PACE=N
# a key comes every N seconds and speech-dispatcher plays into a PulseAudio
# null sink, which takes audio in real time as a sound card does; its log
# (speechd-log/, always at level 5) then tells each message's fate, and fates.txt
# lists every message with it: played to the end, stopped while playing, or
# cancelled before it began, under the key that came before it.
#
# Orca runs in a process namespace of its own (unshare): Orca looks for
# other Orcas of the same user across the whole machine, refuses to start
# beside one, and with --replace would end it. In its own namespace it sees
# none, and the user's own screen reader is neither found nor ended. Orca
# speaks Japanese with espeak-ng, or with SPEECHD_MODULE=open-jtalk
# SPEECHD_MODULE_CONF=tools/speechd-open-jtalk.conf (its packages installed
# as the README says) with Open JTalk.
#
# Needs, besides the build: xvfb, orca, at-spi2-core, speech-dispatcher,
# speech-dispatcher-espeak-ng, espeak-ng, dbus-x11, python3-pyatspi,
# xdotool, util-linux (unshare), cups-client, a window manager (openbox),
# and for PACE pulseaudio; none of them is needed by the program or its
# tests. Orca's settings, speech-dispatcher's and PulseAudio's files stay in
# a temporary home that is removed at the end; nothing of the machine's
# sound, printing or settings is changed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$(mkdir -p "${2:-/tmp/lumenta-screen-reader}" && cd "${2:-/tmp/lumenta-screen-reader}" && pwd)
display=${3:-:250}

if [ -z "${LUMENTA_ROUTE_INSIDE:-}" ]; then
    tools="Xvfb orca xdotool dbus-run-session unshare lpstat /usr/libexec/at-spi-bus-launcher"
    [ -n "${PACE:-}" ] && tools="$tools pulseaudio"
    for tool in $tools; do
        command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
    done
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
    sleep 1
    LC_ALL=C bash "$root/tests/support/print-service.sh" start "$home/print-service" >/dev/null
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
# The desktop's "screen reader on", as its settings turn it on: the
# accessibility bus tells applications that a screen reader runs.
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true 2>/dev/null || true

# speech-dispatcher speaks with espeak-ng (or SPEECHD_MODULE). Without
# PACE it plays into ALSA's null device: a virtual machine has no sound
# card, and a voice that cannot play stalls the speech queue, and Orca with
# it. With PACE it plays into a PulseAudio null sink of the route's own,
# whose socket is in the temporary runtime folder.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
speechd_log=$out/speechd-log
rm -rf "$speechd_log" && mkdir -p "$speechd_log"
{
    if [ -n "${PACE:-}" ]; then echo 'AudioOutputMethod "pulse"'; else echo 'AudioOutputMethod "alsa"'; fi
    echo "DefaultModule ${SPEECHD_MODULE:-espeak-ng}"
    echo 'DefaultLanguage "ja"'
    echo 'LogLevel 5'
    echo "LogDir \"$speechd_log\""
    # A module of the generic kind, such as Open JTalk with
    # tools/speechd-open-jtalk.conf; naming one stops the search for the
    # others, so espeak-ng is named too.
    if [ -n "${SPEECHD_MODULE_CONF:-}" ]; then
        echo "AddModule \"${SPEECHD_MODULE:?}\" \"sd_generic\" \"$SPEECHD_MODULE_CONF\""
        echo 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"'
    fi
} >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
if [ -n "${PACE:-}" ]; then
    export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse PULSE_STATE_PATH=$HOME/.pulse-state
    export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
    mkdir -p "$XDG_CONFIG_HOME/pulse"
    echo 'autospawn = no' >"$XDG_CONFIG_HOME/pulse/client.conf"
    cat >"$HOME/route.pa" <<PA
load-module module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1
load-module module-null-sink sink_name=route rate=48000
set-default-sink route
PA
    pulseaudio -n -F "$HOME/route.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        --system=no --disallow-exit >"$out/pulseaudio.txt" 2>&1 &
    pids+=($!)
    for _ in $(seq 20); do [ -S "$PULSE_RUNTIME_PATH/native" ] && break; sleep 0.25; done
fi
# Orca and the program run under a Japanese locale, as on a Japanese desktop
# (Orca's own words, 「選択」 and the key names, are Japanese only there); a
# machine without one gets it compiled into the temporary home.
export LANG=ja_JP.UTF-8 LANGUAGE=ja
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    mkdir -p "$HOME/locale"
    localedef -i ja_JP -f UTF-8 "$HOME/locale/ja_JP.UTF-8" 2>/dev/null && export LOCPATH=$HOME/locale
fi
log=$out/orca.log
rm -f "$log"
# Its own process namespace: Orca sees no other Orca, and ends none.
unshare --map-current-user --pid --fork --mount-proc --kill-child=TERM \
    orca --debug-file="$log" >"$out/orca-stdout.txt" 2>&1 &
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
        sleep "${PACE:-${LUMENTA_ROUTE_PAUSE:-1.5}}"
    done
}

# ROUTE=<file> presses the keys of that file instead (a bash fragment that
# calls key, xdotool and sleep; $out and $keys are at hand).
if [ -n "${ROUTE:-}" ]; then
    # shellcheck source=/dev/null
    source "$ROUTE"
else
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
        job=$(LC_ALL=C lpstat -W completed -o LumentaPDF 2>/dev/null | awk 'NR == 1 { sub(/.*-/, "", $1); print $1 }')
        [ -n "$job" ] && break
        sleep 0.5
    done
    [ -n "${job:-}" ] && cp "$(dirname "$CUPS_SERVER")/spool/d$(printf %05d "$job")-001" "$out/route.pdf"
    # The printed sheet carries the estimate's choices: 見積りを開く… takes it in
    # again, over the same estimate (置き換える, left of the default answer).
    if [ -f "$out/route.pdf" ]; then
        key ctrl+o
        xdotool type --delay 20 "$out/route.pdf"
        key Return
        key shift+Tab space
        sleep 2
    fi
fi

# Orca writes its log when it ends. It is the only child of the unshare
# started above, and ending it ends its namespace.
orca_itself=$(pgrep -P "$orca" || true)
kill -TERM ${orca_itself:-$orca} 2>/dev/null || true
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
if [ -n "${PACE:-}" ]; then
    # Each message's fate, under the key that came before it, and how the
    # notices fared.
    /usr/bin/python3 - "$speechd_log/speech-dispatcher.log" "$keys" >"$out/fates.txt" <<'PY'
import re, sys, unicodedata
from datetime import datetime
# A message is queued, then handed to the voice (its text comes in again,
# with an end mark), begins to play, and is either played to the end (a
# voice playing through speech-dispatcher says so, one of the generic kind
# sends its END) or stopped by a cancel; a cancel drops every message not
# yet begun.
log_path, keys_path = sys.argv[1], sys.argv[2]
mark = re.compile(r"<mark name=\"[^\"]*\"/>|</?speak>")
stamp = re.compile(r"^\[\w+ (\w+ +\d+ [\d:]+ \d+) : (\d+)\]")

# speech-dispatcher hands the voice the text in compatibility form (half-width
# katakana and full-width brackets folded), so texts are compared so folded.
def clean(text):
    return mark.sub("", text).strip()

def same(a, b):
    return unicodedata.normalize("NFKC", a) == unicodedata.normalize("NFKC", b)

# Each message belongs to the client whose text came in last before it was
# queued (the log names clients by their socket); a client's cancel stops
# its own messages only, and an important message stops the one playing.
events, pending, current, client = [], [], None, None
def settle(message, fate):
    message["fate"] = fate
data = re.compile(r"speechd: +(\d+):DATA:")
for line in open(log_path, encoding="utf-8", errors="replace"):
    m = stamp.match(line)
    if not m:
        continue
    when = datetime.strptime(m.group(1), "%b %d %H:%M:%S %Y").strftime("%H:%M:%S") + ".%06d" % int(m.group(2))
    if data.search(line):
        client = data.search(line).group(1)
    elif "Queueing message |" in line:
        text = clean(line.split("|", 1)[1].rsplit("|", 1)[0])
        message = {"when": when, "text": text, "fate": None, "client": client,
                   "important": " with priority 1" in line}
        events.append(message)
        pending.append(message)
    elif "Incoming text: |" in line:
        text = clean(line.split("|", 1)[1].rsplit("|", 1)[0])
        for message in pending:
            if same(message["text"], text):
                pending.remove(message)
                current = message
                break
    elif "got begin" in line and current:
        current["begun"] = True
    elif ("playback thread reporting end" in line or "got end" in line) and current:
        settle(current, "played to the end")
        current = None
    elif "got stopped" in line and current:
        settle(current, "stopped while playing" if current.get("begun") else "cancelled before it began")
        current = None
    elif "Cancel received from fd" in line:
        who = line.rsplit("fd", 1)[1].strip(" .\n")
        if current and current["client"] == who:
            settle(current, "stopped while playing" if current.get("begun") else "cancelled before it began")
            current = None
        for message in [m for m in pending if m["client"] == who]:
            settle(message, "cancelled before it began")
            pending.remove(message)
if current:
    settle(current, "still playing at the end")
for message in pending:
    settle(message, "never begun")

rows = [(m["when"], "  %-26s %s" % (m["fate"] or "?", m["text"])) for m in events]
for line in open(keys_path, encoding="utf-8"):
    when, _, key = line.rstrip("\n").partition(" - ")
    rows.append((when, key))
for _, text in sorted(rows, key=lambda r: r[0]):
    print(text)
# The program's notices: said beside the reader as important messages, or
# by the reader as a notification.
notices = [m for m in events if m["important"] or m["text"].startswith("通知")]
print()
print("notices: %d" % len(notices))
for fate in ("played to the end", "stopped while playing", "cancelled before it began",
             "still playing at the end", "never begun"):
    count = sum(1 for m in notices if m["fate"] == fate)
    if count:
        print("  %s: %d" % (fate, count))
PY
    echo "fates: $out/fates.txt"
    sed -n '/^notices:/,$p' "$out/fates.txt"
fi
[ -f "$out/route.pdf" ] && echo "sheet: $out/route.pdf"
exit 0
