# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-speech scripts, which set $root to the project root.
# open_sound_room N: a private home and runtime folder in $work, an X server
# on display :N and a PulseAudio server whose null sink "rec" records what is
# played; sets xvfb and pulse to their process ids. norewinds: a stream that
# joins the sink would otherwise make it render again what it had rendered
# ahead, and a click already over would be lost.
open_sound_room() {
    export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
    mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
    Xvfb ":$1" -screen 0 1024x768x24 >/dev/null 2>&1 & xvfb=$!
    export DISPLAY=":$1"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        -L "module-null-sink sink_name=rec norewinds=1" -L "module-native-protocol-unix socket=$work/pulse" \
        >"$work/pulse.log" 2>&1 & pulse=$!
    export PULSE_SERVER=unix:$work/pulse
    sleep 2
    unset QT_PLUGIN_PATH
}

# start_listening: starts $bin in the current folder, its output in
# $work/app.log, and presses the start button ("开始监听"); sets app to its process id.
start_listening() {
    "$bin" >"$work/app.log" 2>&1 & app=$!
    local wid
    wid=$(xdotool search --sync --onlyvisible --name '^ChatWatch$' | head -1)
    sleep 1
    xdotool mousemove --window "$wid" 77 80 click 1   # start listening
    sleep 1
}

# enter_sound_room N: sets bin and bench from $root and work to a fresh
# folder, opens the sound room on display :N, and at exit closes it.
enter_sound_room() {
    bin=$root/build/chatwatch bench=$root/build/bench/chatwatch_bench work=$(mktemp -d)
    app= rec= xvfb= pulse=
    open_sound_room "$1"
    trap close_sound_room EXIT
}

# Stops the program, the recorder, the speech service the program started
# (found by its private socket) and the room's servers; removes $work.
close_sound_room() {
    kill $app $rec 2>/dev/null
    for p in $(pgrep -f -- "--socket-path $XDG_RUNTIME_DIR/"); do kill "$p"; done
    kill $xvfb $pulse 2>/dev/null
    rm -rf "$work"
}

# prepare_run "ENGINE LANGUAGE VOICE" RULE...: a fresh $work/run, made the
# current folder, whose settings follow an empty Local log with these rules
# and this voice (indexes as `chatwatch_bench voice-index` prints them).
prepare_run() {
    local engine language voiceidx
    read -r engine language voiceidx <<<"$1"
    shift
    rm -rf "$work/run" && mkdir -p "$work/run/config" "$work/run/logs" && cd "$work/run"
    printf '\xff\xfe' > logs/Local_20261207_060000.txt
    printf '%s\n' "$work/run/logs" > config/chatlog.ini
    printf 'Local\n' > config/channel.ini
    printf '%s\n' "$@" > config/location.ini
    printf '100\n0\n0\n%s\n%s\n%s\n' "$engine" "$language" "$voiceidx" > config/voice.ini
}
