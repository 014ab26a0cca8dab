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
#   RESTORE=1  environment, with FILE: the tape comes back as the kept session
#              of the run before instead of being opened (restart with a full
#              tape)
#
# The two programs run in turn, one run each, so a change in the machine's
# load moves both figures alike; the ratio of the medians is printed too.
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
restore=${RESTORE:-}
vorlex=$build/vorlex
bare=$build/bench/startup/bare_window

die() { echo "startup.sh: $*" >&2; exit 2; }
[[ -x $vorlex ]] || die "no $vorlex (build first, or pass the build folder)"
[[ -x $bare ]] || die "no $bare (is bench/startup built?)"
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "RUNS must be a positive number"
[[ -z $file || -r $file ]] || die "cannot read $file"
[[ -z $file ]] || file=$(realpath "$file")
[[ -z $restore || -n $file ]] || die "RESTORE=1 needs a FILE"

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

# For RESTORE=1: vorlex opens FILE once and stays up until the tape's
# session is written; that state folder is what every timed run starts from.
kept=""
if [[ -n $restore ]]; then
    kept=$tmp/kept
    VORLEX_EXIT_WHEN_SHOWN=1500 XDG_STATE_HOME=$kept timeout 30 "$vorlex" "$file" \
        >/dev/null 2>>"$log" || true
    rm -f "$kept"/vorlex/*.lock
    compgen -G "$kept/vorlex/session*.vor" >/dev/null || die "vorlex kept no session of $file"
fi


# Milliseconds to the first paint of one run, or nothing when the program did
# not report it. A program that hangs is stopped after 30 s.
one_run() {
    local out
    # Each run starts without a kept session: one kept by the run before
    # would bring its tape back and measure a restore instead. Only the
    # restore measured on purpose starts from the one kept above.
    rm -rf "$XDG_STATE_HOME"
    [[ -z $kept || $1 != "$vorlex" ]] || cp -r "$kept" "$XDG_STATE_HOME"
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
    [[ -z $kept || $1 != "$vorlex" ]] || cp -r "$kept" "$XDG_STATE_HOME"
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

# The figures of one program: "median min max" of the numbers given.
figures() { (($#)) && printf '%s\n' "$@" | stats; }

# Fills time_<key> and rss_<key> for vorlex and the bare window, empty for a
# program that does not report its first paint.
vorlex_cmd=("$vorlex")
[[ -n $file && -z $restore ]] && vorlex_cmd+=("$file")
status=0
declare -A works=()
for key in vorlex bare; do
    if [[ $key == vorlex ]]; then cmd=("${vorlex_cmd[@]}"); else cmd=("$bare"); fi
    # The untimed run: warms the caches, and tells a program that is broken.
    if [[ -n $(one_run "${cmd[@]}") ]]; then
        works[$key]=1
    else
        echo "startup.sh: ${cmd[0]} did not report its first paint." >&2
        [[ $key == vorlex ]] &&
            echo "  Is VORLEX_EXIT_WHEN_SHOWN wired into its main window?" >&2
        tail -n 5 "$log" | sed 's/^/  | /' >&2
        status=1
    fi
done
times_vorlex=() times_bare=() rss_vorlex=() rss_bare=()
for ((i = 0; i < runs; i++)); do
    if [[ -n ${works[vorlex]:-} ]]; then
        t=$(one_run "${vorlex_cmd[@]}")
        [[ -n $t ]] && times_vorlex+=("$t")
    fi
    if [[ -n ${works[bare]:-} ]]; then
        t=$(one_run "$bare")
        [[ -n $t ]] && times_bare+=("$t")
    fi
done
kib_to_mib() { LC_ALL=C awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
for ((i = 0; i < rss_runs; i++)); do
    if [[ -n ${works[vorlex]:-} ]]; then
        r=$(one_rss "${vorlex_cmd[@]}")
        [[ -n $r ]] && rss_vorlex+=("$(kib_to_mib "$r")")
    fi
    if [[ -n ${works[bare]:-} ]]; then
        r=$(one_rss "$bare")
        [[ -n $r ]] && rss_bare+=("$(kib_to_mib "$r")")
    fi
done
time_vorlex=$(figures "${times_vorlex[@]}")
time_bare=$(figures "${times_bare[@]}")
rss_vorlex=$(figures "${rss_vorlex[@]}")
rss_bare=$(figures "${rss_bare[@]}")

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
    LC_ALL=C awk -v a="${1%% *}" -v b="${2%% *}" 'BEGIN {
        printf "  %-12s %8.1f\n  %-12s %8.2f\n", "difference", a - b, "ratio", a / b }'
}

what=""
if [[ -n $restore ]]; then
    what=", vorlex restoring $file as its kept session"
elif [[ -n $file ]]; then
    what=", vorlex opening $file"
fi
echo "Start-up to the first painted window, ms (median of $runs runs each, in turn, Xvfb)$what:"
row vorlex "$time_vorlex"
row "bare window" "$time_bare"
difference "$time_vorlex" "$time_bare"
echo "Resident memory 1 s after the first paint, MiB (median of $rss_runs runs):"
row vorlex "$rss_vorlex"
row "bare window" "$rss_bare"
difference "$rss_vorlex" "$rss_bare"
exit "$status"
