#!/usr/bin/env bash
# Start-up to the first frame and resident memory once the window shows, median of several runs, for the
# Qt Quick software renderer and for OpenGL (under Xvfb that is mesa's llvmpipe). Each run starts with a fresh
# home, so it deals a new game as a first start does.
#
#   tools/measure-startup.sh [runs] [program...]      default: 9 runs of build/bin/harbour-zavel
#
# Several programs (say a build before a change and one after it) are measured in the same run, taking turns,
# so that the machine's load weighs on each alike. Without a display it re-runs itself under xvfb-run with a
# phone-sized screen.
set -euo pipefail
runs=${1:-9}
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=("$(cd "$(dirname "$0")/.." && pwd)/build/bin/harbour-zavel")

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 540x960x24" "$0" "$runs" "${programs[@]}"
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run: prints "<seconds to the first rendered frame> <resident KiB one second later>".
measure() {
    local backend=$1 program=$2 home log pid first rss
    home=$(mktemp -d)
    log="$home/log"
    HOME="$home" QT_QUICK_BACKEND="$backend" QT_LOGGING_RULES="qt.scenegraph.time.renderloop=true" \
        QT_MESSAGE_PATTERN="%{time process} %{message}" "$program" >"$log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        grep -q "Frame rendered" "$log" && break
        sleep 0.05
    done
    sleep 1
    rss=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    first=$(grep -m1 "Frame rendered" "$log" | awk '{ print $1 }')
    rm -rf "$home"
    echo "${first:-nan} $rss"
}

for backend in software opengl; do
    declare -A results=()
    for _ in $(seq "$runs"); do
        for program in "${programs[@]}"; do
            results[$program]+="$(measure "$backend" "$program")"$'\n'
        done
    done
    for program in "${programs[@]}"; do
        frame=$(echo -n "${results[$program]}" | awk '{ print $1 }' | median)
        rss=$(echo -n "${results[$program]}" | awk '{ print $2 }' | median)
        awk -v b="$backend" -v f="$frame" -v r="$rss" -v n="$runs" -v p="$program" \
            'BEGIN { printf "%-8s first frame %.3f s, resident %.1f MiB (median of %d runs)  %s\n", b, f, r / 1024, n, p }'
    done
    unset results
done
