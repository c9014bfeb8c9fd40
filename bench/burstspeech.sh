#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hears a burst: PulseAudio with a null sink records what speech-dispatcher
# says for one watched system named alone, then for four named in four lines
# written at once. Each alert is heard whole, so the burst holds about four
# times the speech of one alert.
# Run from the project root after `make build` and `scripts/install-deps extras`.
set -u
root=$(pwd)
. "$root/bench/soundroom.sh"
enter_sound_room 59

idx=$("$bench" voice-index speechd zh_CN Mandarin 2>/dev/null) || { echo "no zh_CN voice Mandarin"; exit 1; }
prepare_run "$idx" '1跳位|N-8YET|预警' '5跳位|0-G8NO|预警' '0跳位|1DQ1-A|预警' '3跳位|T5ZI-S|预警'
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
