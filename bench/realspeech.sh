#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hears the real program: PulseAudio with a null sink records what the
# platform engine (speech-dispatcher with espeak) says when a watched system
# is named in a followed log, for an English and a Chinese rule.
# Run from the project root after `make build` and `scripts/install-deps extras`.
set -u
root=$(pwd)
. "$root/bench/soundroom.sh"
enter_sound_room 58

hear() { # label, rule, locale, voice name
    local label=$1 rule=$2 locale=$3 voice=$4 idx
    idx=$("$bench" voice-index speechd "$locale" "$voice" 2>/dev/null) || { echo "$label: no $locale voice $voice"; return 1; }
    prepare_run "$idx" "$rule"
    start_listening
    parec -d rec.monitor --file-format=wav "$work/$label.wav" & rec=$!
    sleep 0.5
    # One line as the game appends it: U+FEFF first, UTF-16LE, CR LF.
    printf '\xef\xbb\xbf[ 2026.12.07 06:00:01 ] Pilot > 0-G8NO red\r\n' | iconv -f UTF-8 -t UTF-16LE \
        >> logs/Local_20261207_060000.txt
    sleep 8
    kill $rec $app; wait $rec $app 2>/dev/null; rec= app=
    cd "$root"
    local spoken total voiced
    spoken=$(grep -m1 -E '^"[^"]*(dash|杠)' "$work/app.log")
    total=$(soxi -D "$work/$label.wav")
    sox "$work/$label.wav" "$work/$label-voiced.wav" silence 1 0.02 0.5% -1 0.02 0.5%
    voiced=$(soxi -D "$work/$label-voiced.wav")
    echo "$label: said $spoken; recorded ${total}s, voiced ${voiced}s"
    sox "$work/$label.wav" -n stat 2>&1 | grep -E 'RMS +amplitude|Maximum amplitude'
}
hear english "5 jumps|0-G8NO|hostile" en_GB english
hear chinese "5跳位|0-G8NO|预警" zh_CN Mandarin
