#!/usr/bin/env bash
# Start-up time to a visible window, and resident memory at idle, of vorlex
# against a bare Qt window of the same shape (bench/startup/bare_window.cpp),
# both under a virtual X server (xvfb-run), so the figures do not depend on
# the desktop you run it from.
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [FILE]
#   BUILD_DIR  the CMake build tree holding vorlex and bench/startup/bare_window
#              (default: build)
#   RUNS       timed runs per program (default 20); one untimed run first warms
#              the disk cache and the font cache
#   FILE       a .vor file vorlex opens from its command line (start-up with a
#              full tape); the bare window is measured as it is
#   RSS_RUNS   environment: memory samples per program (default 3)
#
# Contract with the programs measured (vorlex's main window and bare_window
# both implement it):
#   VORLEX_EXIT_WHEN_SHOWN=<ms>
#       When set, the program prints exactly one line "shown <elapsed>" to
#       standard output and flushes it, as soon as its main window has been
#       painted for the first time (after that first paint pass is over),
#       then stays idle for <ms> milliseconds ("1": quit at once) and quits
#       normally with exit status 0.
#   VORLEX_LAUNCH_NS=<ns>
#       CLOCK_REALTIME in nanoseconds, taken by this script just before it
#       starts the program. <elapsed> is the time from it to the first paint
#       in milliseconds with one decimal ("shown 143.2"), so it covers loading
#       the shared libraries too. Without it the program measures from main().
#
# The programs run with empty settings and runtime folders: your saved window
# placement cannot change the figures, nothing is written to your profile,
# and vorlex never hands over to a vorlex you have running.
set -euo pipefail

build=${1:-build}
runs=${2:-20}
file=${3:-}
rss_runs=${RSS_RUNS:-3}
vorlex=$build/vorlex
bare=$build/bench/startup/bare_window

die() { echo "startup.sh: $*" >&2; exit 2; }
[[ -x $vorlex ]] || die "no $vorlex (build first, or pass the build folder)"
[[ -x $bare ]] || die "no $bare (is bench/startup built?)"
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive number"
[[ -z $file || -r $file ]] || die "cannot read $file"
[[ -z $file ]] || file=$(realpath "$file")

# One X server for the whole series: starting it per run would be measured
# as well, and would dwarf what we are after.
if [[ -z ${VORLEX_BENCH_IN_XVFB:-} ]]; then
    command -v xvfb-run >/dev/null || die "xvfb-run not found (apt-get install xvfb xauth)"
    VORLEX_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" \
        bash "$0" "$build" "$runs" "$file"
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/config" && mkdir -m 700 "$tmp/run"
export XDG_CONFIG_HOME=$tmp/config XDG_STATE_HOME=$tmp/state XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=xcb
log=$tmp/stderr


# Milliseconds to the first paint of one run, or nothing when the program did
# not report it. A program that hangs is stopped after 30 s.
one_run() {
    local out
    # Each run starts without a kept session: one kept by the run before
    # would bring its tape back and measure a restore instead.
    rm -rf "$XDG_STATE_HOME"
    # EPOCHREALTIME is read by the shell itself, in the subshell that then
    # becomes the program: no process is started between it and the launch.
    # (Its decimal separator follows the locale, hence the digits-only cut.)
    out=$(VORLEX_EXIT_WHEN_SHOWN=1 VORLEX_LAUNCH_NS=${EPOCHREALTIME//[!0-9]/}000 \
          timeout 30 "$@" 2>>"$log") || true
    sed -n 's/^shown \([0-9.]*\)$/\1/p' <<<"$out" | head -n 1
}

# VmRSS in KiB one second after the first paint, or nothing.
one_rss() {
    local out=$tmp/rss.out pid rss=""
    rm -rf "$XDG_STATE_HOME"
    : >"$out"
    VORLEX_EXIT_WHEN_SHOWN=3000 VORLEX_LAUNCH_NS=${EPOCHREALTIME//[!0-9]/}000 \
        "$@" >"$out" 2>>"$log" &
    pid=$!
    for _ in $(seq 200); do
        grep -q '^shown ' "$out" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    if grep -q '^shown ' "$out"; then
        sleep 1
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$rss"
}

# "median min max" of numbers on standard input.
stats() {
    LC_ALL=C sort -g | LC_ALL=C awk '{ v[NR] = $1 }
        END { if (NR == 0) exit
              m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}

# Fills time_<key> and rss_<key> with "median min max", empty on failure.
measure() {
    local key=$1 prog=$2 i t r times=() rsses=()
    shift
    if [[ -z $(one_run "$@") ]]; then
        echo "startup.sh: $prog did not report its first paint." >&2
        [[ $key == vorlex ]] &&
            echo "  Is VORLEX_EXIT_WHEN_SHOWN wired into its main window?" >&2
        tail -n 5 "$log" | sed 's/^/  | /' >&2
        printf -v "time_$key" '%s' ""
        printf -v "rss_$key" '%s' ""
        return 1
    fi
    for ((i = 0; i < runs; i++)); do
        t=$(one_run "$@")
        [[ -n $t ]] && times+=("$t")
    done
    for ((i = 0; i < rss_runs; i++)); do
        r=$(one_rss "$@")
        [[ -n $r ]] && rsses+=("$(LC_ALL=C awk -v k="$r" 'BEGIN { printf "%.1f", k / 1024 }')")
    done
    printf -v "time_$key" '%s' "$( ((${#times[@]})) && printf '%s\n' "${times[@]}" | stats)"
    printf -v "rss_$key" '%s' "$( ((${#rsses[@]})) && printf '%s\n' "${rsses[@]}" | stats)"
}

time_vorlex="" time_bare="" rss_vorlex="" rss_bare=""
status=0
measure vorlex "$vorlex" ${file:+"$file"} || status=1
measure bare "$bare" || status=1

row() {  # label "median min max"
    if [[ -n $2 ]]; then
        read -r m lo hi <<<"$2"
        printf '  %-12s %8s   (min %s, max %s)\n' "$1" "$m" "$lo" "$hi"
    else
        printf '  %-12s %8s\n' "$1" "n/a"
    fi
}
difference() {  # "median ..." "median ..."
    [[ -n $1 && -n $2 ]] || return 0
    LC_ALL=C awk -v a="${1%% *}" -v b="${2%% *}" 'BEGIN { printf "  %-12s %8.1f\n", "difference", a - b }'
}

echo "Start-up to the first painted window, ms (median of $runs runs, Xvfb)${file:+, vorlex opening $file}:"
row vorlex "$time_vorlex"
row "bare window" "$time_bare"
difference "$time_vorlex" "$time_bare"
echo "Resident memory 1 s after the first paint, MiB (median of $rss_runs runs):"
row vorlex "$rss_vorlex"
row "bare window" "$rss_bare"
difference "$rss_vorlex" "$rss_bare"
exit "$status"
