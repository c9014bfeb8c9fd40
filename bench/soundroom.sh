# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the real-speech scripts, which set $work to a fresh folder.
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
