#!/usr/bin/env bash
# Frame and action timings of the real interface: tools/zavel-frames plays whole 4-player games with
# animations on, under Xvfb in a 540x960 window when no display is set, in a temporary home that is removed
# afterwards. Builds nothing: build the zavel-frames target first.
#
#   tools/measure-frames.sh [--games N] [--renderer software|opengl] [--home-on tmpfs|disk] [--delay MS]
#                           [--qml FILE] [--screenshot PNG] [BINARY]
#
# Defaults: 5 games, the software renderer, the home on tmpfs (/dev/shm), a computer delay of 150 ms, and
# build/tools/zavel-frames/zavel-frames with the interface of its own build tree; --qml takes another copy of
# the interface, --screenshot saves the window 10 s into the run. With --home-on disk the
# home is made in /var/tmp, so every save goes to the disk. The last line printed is
#   frames F; work p99 W ms; interval p99 I ms; action p99 A ms
set -euo pipefail

usage() {
    sed -n '6,7p' "$0" | sed 's/^# *//' >&2
    exit 2
}

games=5
renderer=software
home_on=tmpfs
driver_options=()
binary=$(cd "$(dirname "$0")/.." && pwd)/build/tools/zavel-frames/zavel-frames
while [ $# -gt 0 ]; do
    case $1 in
        --games) [ $# -ge 2 ] || usage; games=$2; shift 2 ;;
        --renderer) [ $# -ge 2 ] || usage; renderer=$2; shift 2 ;;
        --home-on) [ $# -ge 2 ] || usage; home_on=$2; shift 2 ;;
        --delay | --qml | --screenshot) [ $# -ge 2 ] || usage; driver_options+=("$1" "$2"); shift 2 ;;
        -h | --help) usage ;;
        -*) usage ;;
        *) [ $# -eq 1 ] || usage; binary=$1; shift ;;
    esac
done
case $renderer in
    software) backend=software ;;
    opengl) backend= ;;
    *) usage ;;
esac
case $home_on in
    tmpfs) parent=/dev/shm ;;
    disk) parent=/var/tmp ;;
    *) usage ;;
esac
if [ ! -x "$binary" ]; then
    echo "measure-frames.sh: $binary is not built (cmake --build <build> --target zavel-frames)" >&2
    exit 1
fi
if [ "$home_on" = disk ] && [ "$(stat -f -c %T "$parent")" = tmpfs ]; then
    echo "measure-frames.sh: warning: $parent is a tmpfs here, not a disk" >&2
fi

home=$(mktemp -d "$parent/zavel-frames.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.local/share" "$home/.config" "$home/.cache" "$home/runtime"
chmod 700 "$home/runtime"

run=("$binary" --games "$games" "${driver_options[@]}")
if [ -z "${DISPLAY:-}" ]; then
    run=(xvfb-run -a -s "-screen 0 540x960x24" "${run[@]}")
fi
# Other programs on the machine move every figure: the load average before and after says how busy it was.
echo "home on $home_on ($home), renderer $renderer, load average before: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
# The report comes last, after everything else said on either stream, so that its last line ends the output.
status=0
env -u QT_QUICK_BACKEND ${backend:+QT_QUICK_BACKEND=$backend} \
    HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" "${run[@]}" >"$home/report" || status=$?
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
cat "$home/report"
exit $status
