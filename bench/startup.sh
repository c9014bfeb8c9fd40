#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from process start to the main window mapped, and resident memory
# after start-up, for the real program under Xvfb. Run from the project root
# after `make build`: bench/startup.sh [runs] (extras: scripts/install-deps extras).
# BIN=path times another build; the desktop language is taken from LANG and
# LANGUAGE as for the program.
# COLD=1 stops speech-dispatcher before each run, as after a reboot.
set -eu
runs=${1:-5}
bin=${BIN:-$(pwd)/build/chatwatch}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
Xvfb :57 -screen 0 1024x768x24 >/dev/null 2>&1 & xvfb=$!
export DISPLAY=:57
sleep 1

measure() { # label, setup
    local label=$1 total=0 rss=0 t0 t1 pid times=()
    for i in $(seq "$runs"); do
        rm -rf "$work/run" && mkdir -p "$work/run/config" && cd "$work/run"
        $2
        [ "${COLD:-}" = 1 ] && { pkill -x speech-dispatch || true; pkill sd_espeak || true; sleep 0.5; }
        # One X client watching for the map, so polling cannot crowd Xvfb
        stdbuf -oL xev -root -event substructure > "$work/xev" 2>/dev/null & xev=$!
        sleep 0.2
        t0=$(date +%s%N)
        "$bin" >/dev/null 2>"$work/stderr" & pid=$!
        until grep -q MapNotify "$work/xev"; do
            kill -0 $pid 2>/dev/null || { echo "chatwatch ended before its window showed:"; cat "$work/stderr"; exit 1; }
            sleep 0.005
        done
        t1=$(date +%s%N)
        sleep 1
        rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
        kill $pid $xev; wait $pid $xev 2>/dev/null || true
        total=$((total + (t1 - t0) / 1000000))
        times+=($(((t1 - t0) / 1000000)))
        echo "  $label run $i: $(((t1 - t0) / 1000000)) ms to window shown, RSS ${rss} KiB"
        cd - >/dev/null
    done
    echo "$label: mean $((total / runs)) ms, median $(printf '%s\n' "${times[@]}" | sort -n |
        awk '{t[NR] = $1} END {print (NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2)}') ms to window shown"
}
no_settings() { :; }
saved_voice() {
    printf '5 jumps|0-G8NO|hostile\n' > config/location.ini
    printf '70\n0\n0\n1\n0\n0\n' > config/voice.ini
}
measure "no settings" no_settings
measure "saved voice.ini naming engine 1" saved_voice
