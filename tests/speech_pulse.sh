#!/usr/bin/env bash
# Real speech: flite speaks into a PulseAudio null sink whose monitor is
# recorded (speech_pulse_probe checks sound, silence on pause, sound on
# resume). Exits 77 (skipped) where no sound server can be started.
set -u
probe=$1

for tool in pulseaudio pactl parec; do
    command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

run=$(mktemp -d)
trap 'kill "$pa" 2>/dev/null; wait "$pa" 2>/dev/null; rm -rf "$run"' EXIT
export XDG_RUNTIME_DIR=$run HOME=$run PULSE_RUNTIME_PATH=$run/pulse
# A sound server of our own with one sink that plays into nothing.
pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=nullsink" \
    --load=module-native-protocol-unix >"$run/pulse.log" 2>&1 &
pa=$!
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
    echo "PulseAudio would not start: skipped"
    tail -n 5 "$run/pulse.log"
    exit 77
fi
pactl set-default-sink nullsink
# SPEECH_PROBE_WRAPPER="gdb -batch -ex run -ex bt --args" runs the probe under a debugger;
# "default" as second argument takes the window's start-up path (prefers speechd).
${SPEECH_PROBE_WRAPPER:-} "$probe" "${@:2}"
