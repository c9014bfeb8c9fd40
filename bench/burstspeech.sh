#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hears a burst: PulseAudio with a null sink records what speech-dispatcher
# says for one watched system named alone, then for four named in four lines
# written at once. Each alert is heard whole, so the burst holds about four
# times the speech of one alert.
# Run from the project root after `make build` and `scripts/install-deps extras`.
set -u
root=$(pwd)
bin=$root/build/chatwatch
bench=$root/build/bench/chatwatch_bench
work=$(mktemp -d)
app= rec= xvfb= pulse=
. "$root/bench/soundroom.sh"
open_sound_room 59
cleanup() {
    kill $app $rec 2>/dev/null
    # The speech service the program started, found by its private socket.
    for p in $(pgrep -f -- "--socket-path $XDG_RUNTIME_DIR/"); do kill "$p"; done
    kill $xvfb $pulse 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

idx=$("$bench" voice-index speechd zh_CN Mandarin 2>/dev/null) || { echo "no zh_CN voice Mandarin"; exit 1; }
read -r engine language voiceidx <<<"$idx"
mkdir -p "$work/run/config" "$work/run/logs" && cd "$work/run"
printf '\xff\xfe' > logs/Local_20261207_060000.txt
printf '%s\n' "$work/run/logs" > config/chatlog.ini
printf 'Local\n' > config/channel.ini
printf '%s\n' '1跳位|N-8YET|预警' '5跳位|0-G8NO|预警' '0跳位|1DQ1-A|预警' '3跳位|T5ZI-S|预警' > config/location.ini
printf '100\n0\n0\n%s\n%s\n%s\n' "$engine" "$language" "$voiceidx" > config/voice.ini
start_listening

line() { printf '\xef\xbb\xbf[ 2026.12.07 06:00:01 ] Pilot > %s\r\n' "$1" | iconv -f UTF-8 -t UTF-16LE; }
hear() { # label, seconds, systems...
    local label=$1 seconds=$2; shift 2
    parec -d rec.monitor --file-format=wav "$work/$label.wav" & rec=$!
    sleep 0.5
    for s in "$@"; do line "$s red"; done >> logs/Local_20261207_060000.txt
    sleep "$seconds"
    kill $rec; wait $rec 2>/dev/null; rec=
    sox "$work/$label.wav" "$work/$label-voiced.wav" silence 1 0.02 0.5% -1 0.02 0.5%
    echo "$label: recorded $(soxi -D "$work/$label.wav") s, voiced $(soxi -D "$work/$label-voiced.wav") s"
}
hear one 8 0-G8NO
hear burst 20 N-8YET 0-G8NO 1DQ1-A T5ZI-S
echo "said:"; grep -E '^"[^"]*杠' "$work/app.log" | tail -5
