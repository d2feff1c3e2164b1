#!/usr/bin/env bash
# Frame and action timings of the real interface against the floor scene: tools/zavel-frames plays whole
# 4-player games with animations on, one game at a time, and between the games plays the floor scene (the engine,
# a phase timer and one flying rectangle: what any interface costs at the least) for a while, so that both share
# the machine's load. Under Xvfb in a 540x960 window when no display is set, in a temporary home that is removed
# afterwards. Builds nothing: build the zavel-frames target first.
#
#   tools/measure-frames.sh [--games N] [--deals K] [--floor-seconds S] [--renderer software|opengl]
#                           [--home-on tmpfs|disk] [--delay MS] [--qml FILE] [BINARY]
#
# Defaults: 5 games, each after 4 extra new deals (25 timed new deals in all; each game's process first sets the
# table to four seats with an untimed deal), 15 s of the floor scene after each game, the software renderer, the
# home on tmpfs (/dev/shm), a computer delay of 150 ms, and build/tools/zavel-frames/zavel-frames with the
# interface of its own build tree; --qml takes another copy of the interface. With --home-on disk the home is
# made in /var/tmp, so every save goes to the disk. The last line printed is
#   frames F; work p99 W ms; interval p99 over floor D ms; action p99 A ms; new deal p99 N ms
# with D the interface's interval p99 less the floor's, and A over the moves and the ends of animation phases.
set -euo pipefail

usage() {
    sed -n '8,9p' "$0" | sed 's/^# *//' >&2
    exit 2
}

games=5
deals=4
floor_seconds=15
renderer=software
home_on=tmpfs
driver_options=()
binary=$(cd "$(dirname "$0")/.." && pwd)/build/tools/zavel-frames/zavel-frames
args=("$@")
while [ $# -gt 0 ]; do
    case $1 in
        --games) [ $# -ge 2 ] || usage; games=$2; shift 2 ;;
        --deals) [ $# -ge 2 ] || usage; deals=$2; shift 2 ;;
        --floor-seconds) [ $# -ge 2 ] || usage; floor_seconds=$2; shift 2 ;;
        --renderer) [ $# -ge 2 ] || usage; renderer=$2; shift 2 ;;
        --home-on) [ $# -ge 2 ] || usage; home_on=$2; shift 2 ;;
        --delay | --qml) [ $# -ge 2 ] || usage; driver_options+=("$1" "$2"); shift 2 ;;
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
# One virtual display for the whole run, not one per game.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 540x960x24" "$0" "${args[@]}"
fi
if [ "$home_on" = disk ] && [ "$(stat -f -c %T "$parent")" = tmpfs ]; then
    echo "measure-frames.sh: warning: $parent is a tmpfs here, not a disk" >&2
fi

home=$(mktemp -d "$parent/zavel-frames.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.local/share" "$home/.config" "$home/.cache" "$home/runtime"
chmod 700 "$home/runtime"

frames() {
    env -u QT_QUICK_BACKEND ${backend:+QT_QUICK_BACKEND=$backend} \
        HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" "$binary" "$@"
}

# Other programs on the machine move every figure: the load average before and after says how busy it was.
echo "home on $home_on ($home), renderer $renderer, load average before: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
for ((game = 1; game <= games; ++game)); do
    frames --games 1 --deals "$deals" "${driver_options[@]}" --samples "$home/samples" >"$home/game-$game" 2>&1 || {
        cat "$home/game-$game" >&2
        exit 1
    }
    frames --floor "$floor_seconds" --samples "$home/samples" >&2
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
frames --merge "$home/samples"
