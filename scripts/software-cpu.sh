#!/usr/bin/env bash
# Processor time of the game where no graphics card draws: on Xvfb at 1280 x 1024 with a window
# manager, full screen, the engine's own rasteriser draws every frame. Prints the share of one
# core the game process used while it sat in the main menu and while it played, N seconds each.
# Nobody steers in play: the fly loses its energy within seconds and the lost-life panel shows
# over the field, whose enemies go on moving. Only the game's own process time counts (from
# /proc), so other work on the machine changes the figures little; compare builds side by side.
#
# usage: software-cpu.sh [--seconds N] [--settle S] [--shots DIR] [TREE]
#   TREE is an installation tree (default: build/tree of this checkout); it is not changed, the
#   game runs on a scratch copy. --settle waits S seconds after start-up before measuring
#   (default 5). --shots keeps a picture of the screen at the end of each measurement (xwd).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds=10
settle=5
shots=""
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    --shots) shots=$2; shift 2 ;;
    -h | --help) sed -n '2,9p' "$0"; exit 0 ;;
    *) break ;;
    esac
done
tree="$(cd "${1:-$here/build/tree}" && pwd)"
[ -x "$tree/bin/Brimzel" ] || { echo "no game program in $tree/bin" >&2; exit 2; }

source "$here/scripts/packages.sh"
install_missing_packages xvfb openbox x11-apps

# The programs and the player's files are copied (the game finds its tree from its own path and
# writes options and scores there); pictures, sounds and levels are linked.
scratch="$(mktemp -d)"
display=":$((150 + $$ % 100))"
xvfb=""
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
for entry in "$tree"/*; do
    case "$(basename "$entry")" in
    gfx | sound | levels | share) ln -s "$entry" "$scratch/" ;;
    *) cp -a "$entry" "$scratch/" ;;
    esac
done

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1.5
export DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
unset SDL_VIDEODRIVER
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

ticks=$(getconf CLK_TCK)
# User plus system time of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# measure NAME POSITION: starts the game at the options file's start position (50: the main
# menu, 200: playing the first level), lets it settle, and prints its processor time.
measure() {
    local name=$1 position=$2
    sed -i "s/^GamePosition:.*/GamePosition:$position/; s/^GameMode:.*/GameMode:Fullscreen/" \
        "$scratch/bin/Brimzel.ini"
    "$scratch/bin/Brimzel" >"$scratch/$name.log" 2>&1 &
    local pid=$!
    sleep "$settle"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "$name: the game ended during start-up:" >&2
        cat "$scratch/$name.log" >&2
        return 1
    fi
    local t0 t1 w0 w1
    t0=$(cpu_ticks "$pid")
    w0=$(date +%s.%N)
    sleep "$seconds"
    t1=$(cpu_ticks "$pid")
    w1=$(date +%s.%N)
    [ -n "$shots" ] && { mkdir -p "$shots"; xwd -root -silent >"$shots/$name.xwd" || true; }
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v n="$name" -v t="$((t1 - t0))" -v hz="$ticks" -v w0="$w0" -v w1="$w1" 'BEGIN {
        printf "%s_cpu %.1f %% of a core (%.2f s in %.2f s)\n", n, 100 * t / hz / (w1 - w0), t / hz, w1 - w0 }'
}

echo "tree $tree"
measure menu 50
measure play 200
