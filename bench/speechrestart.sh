#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The speech service going away while the real program listens. PulseAudio
# with a null sink records both a click, played into the sink the moment a
# line is written to the followed log, and the alert that speech-dispatcher
# (espeak) then says; the delay is read from the recording.
#   1. what the engine needs from say() to Speaking (chatwatch_speechprobe),
#      also on a new engine after the service was stopped, and what an
#      engine does whose service is stopped in the middle of a sentence;
#   2. line written -> first audible sample of its alert, RUNS times;
#   3. the same, each time right after the speech-dispatcher process was
#      stopped (SIGTERM, as pkill does), KILLS times; then three more.
# Run from the project root after `make build` and `scripts/install-deps extras`:
#   bench/speechrestart.sh [RUNS] [KILLS]
set -u
runs=${1:-10}
kills=${2:-5}
root=$(pwd)
bin=$root/build/chatwatch
bench=$root/build/bench/chatwatch_bench
probe=$root/build/bench/chatwatch_speechprobe
work=$(mktemp -d)
app= rec= xvfb= pulse=
cleanup() {
    kill $app $rec $xvfb $pulse 2>/dev/null
    stop_service
    [ -n "${KEEP:-}" ] && cp "$work/rec.wav" "$work/app.log" "$KEEP"/ 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The speech-dispatcher started for this run: its command line names our
# private runtime folder.
stop_service() {
    local pids
    pids=$(pgrep -f "speech-dispatcher.*$work")
    [ -n "$pids" ] && kill $pids
}

. "$root/bench/soundroom.sh"
open_sound_room 59

# A 5 ms click in the sink's own format, kept in the server so that playing
# it starts at once.
sox -n -r 44100 -c 2 -b 16 "$work/click.wav" synth 0.005 square 1000 vol 0.5
pactl upload-sample "$work/click.wav" click

echo "== 1. say() -> Speaking, speechd, en_GB"
coproc PROBE { "$probe" speechd en_GB "$runs" 2>&1; }
while read -r line <&"${PROBE[0]}"; do
    echo "  $line"
    if [ "$line" = "kill now" ]; then
        stop_service
        sleep 1
        echo "  (speech-dispatcher stopped)"
        echo go >&"${PROBE[1]}"
    fi
done
[ -n "${PROBE_PID:-}" ] && wait "$PROBE_PID" 2>/dev/null
stop_service
sleep 1

# The program, listening to one log with an English rule and voice.
mkdir -p "$work/run/config" "$work/run/logs" && cd "$work/run"
log=$work/run/logs/Local_20261207_060000.txt
printf '\xff\xfe' > "$log"
printf '%s\n' "$work/run/logs" > config/chatlog.ini
printf 'Local\n' > config/channel.ini
printf '%s\n' "5 jumps|0-G8NO|hostile" > config/location.ini
read -r engine language voice <<<"$("$bench" voice-index speechd en_GB english 2>/dev/null)"
printf '100\n0\n0\n%s\n%s\n%s\n' "$engine" "$language" "$voice" > config/voice.ini
start_listening
parec -d rec.monitor --file-format=wav "$work/rec.wav" & rec=$!
sleep 1

alert() { # a click, then at once a line as the game appends it
    date +%s.%N >> "$work/clicks"
    pactl play-sample click rec || echo "click not played" >&2
    printf '\xef\xbb\xbf[ 2026.12.07 06:00:01 ] Pilot > 0-G8NO red\r\n' | iconv -f UTF-8 -t UTF-16LE >> "$log"
    sleep 7
}
for i in $(seq "$runs"); do alert; done
for i in $(seq "$kills"); do
    stop_service
    sleep 2
    alert
done
for i in 1 2 3; do alert; done
kill $rec $app; wait $rec $app 2>/dev/null; rec= app=
cd "$root"

# The first sound of the recording is the first click; the others are found
# near where the clock says they were played. An alert starts at the first
# sound 20 ms or more after its click. The click is requested just before
# the line is written, so each delay is at most a few milliseconds long.
echo "== 2./3. line written -> first audible sample of its alert (click to speech in the recording)"
sox "$work/rec.wav" -r 8000 -c 1 -t dat - 2>/dev/null | awk -v runs="$runs" -v kills="$kills" -v clicks="$work/clicks" '
    BEGIN { while ((getline w < clicks) > 0) { n++; wall[n] = w }; k = 0 }
    /^;/ { next }
    { t = $1; a = $2 < 0 ? -$2 : $2 }
    a > 0.005 {
        if (k == 0) { origin = t; k = 1; click[1] = t; next }
        # the next trial begins shortly before its click is due
        if (k < n && t >= origin + wall[k + 1] - wall[1] - 0.05) { k++; click[k] = t; next }
        if (!(k in d) && t - click[k] >= 0.02) d[k] = (t - click[k]) * 1000
    }
    END {
        for (i = 1; i <= n; i++) {
            label = i <= runs ? "normal" : i <= runs + kills ? "right after speech-dispatcher was stopped" : "later, on the rebuilt engine"
            printf "  alert %2d (%s): %s\n", i, label, (i in d) ? sprintf("%.0f ms", d[i]) : "not heard"
            if (i <= runs && (i in d)) v[++m] = d[i]
        }
        for (i = 1; i <= m; i++) for (j = i + 1; j <= m; j++) if (v[j] < v[i]) { x = v[i]; v[i] = v[j]; v[j] = x }
        if (m) printf "median of %d normal alerts: %.0f ms\n", m, m % 2 ? v[(m + 1) / 2] : (v[m / 2] + v[m / 2 + 1]) / 2
    }'
echo "== what the program logged"
grep -vE '^"' "$work/app.log" | head -20
