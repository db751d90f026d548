#!/usr/bin/env bash
# system_layout_test.sh SOURCE TREE: stages the system installation of TREE, packs it with
# dpkg-deb, unpacks it into a scratch folder and runs the installed programs there for two
# users. The data folder must stay byte for byte as unpacked; each user's files stay theirs.
set -euo pipefail
source_dir="$1"
tree="$2"
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing: skipped"; exit 77; }
scratch="$(mktemp -d "${TMPDIR:-/tmp}/brimzel-package-XXXXXX")"
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake -DBRIMZEL_TREE="$tree" -DBRIMZEL_SOURCE="$source_dir" -DPREFIX="$scratch/stage/usr" \
    -P "$source_dir/cmake/StageSystemLayout.cmake"
mkdir "$scratch/stage/DEBIAN"
printf 'Package: brimzel\nVersion: 0\nArchitecture: all\nMaintainer: test <t@localhost>\nDescription: test\n' \
    >"$scratch/stage/DEBIAN/control"
dpkg-deb --root-owner-group -Zgzip -z1 --build "$scratch/stage" "$scratch/brimzel.deb" >/dev/null
dpkg-deb -x "$scratch/brimzel.deb" "$scratch/root"
games="$scratch/root/usr/games"
data="$scratch/root/usr/share/games/brimzel"
chmod -R a-w "$scratch/root" # as an installed package is for a user
fingerprint() { (cd "$scratch/root" && find . -printf '%p %m\n' | sort && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
fingerprint >"$scratch/before"

# --help and --version answer without a display, an unknown option is refused with code 2.
for program in brimzel brimzel-leveleditor brimzel-options brimzel-replay; do
    HOME="$scratch/nobody" "$games/$program" --version | grep -q "^$program [0-9]" ||
        fail "$program --version"
    HOME="$scratch/nobody" "$games/$program" --help >"$scratch/help"
    grep -q "$data" "$scratch/help" || fail "$program --help names no data folder"
    grep -q "$scratch/nobody/.local/share/brimzel" "$scratch/help" || fail "$program --help: user folder"
    status=0
    "$games/$program" --bogus 2>"$scratch/err" >/dev/null || status=$?
    [ "$status" = 2 ] && grep -q Usage "$scratch/err" || fail "$program --bogus gave $status"
done
[ ! -e "$scratch/nobody" ] || fail "--help wrote into the home folder"

# Runs the installed replay program as a user, writing into the user's files as the game
# would (or as told): replay USER_HOME XDG_DATA_HOME SCRIPT_TEXT [OPTION...]
replay() {
    printf '%b' "$3" >"$scratch/script"
    local home="$1" xdg="$2"
    shift 3
    [ $# -gt 0 ] || set -- --in-place
    env -u XDG_DATA_HOME HOME="$home" ${xdg:+XDG_DATA_HOME="$xdg"} "$games/brimzel-replay" "$@" \
        "$scratch/script"
}
userA="$scratch/xdgA/brimzel"
userB="$scratch/homeB/.local/share/brimzel"

# User A comes with files of their own: options that start at the menu and a bubble-match
# table of level 1 that any score beats. The first start keeps them and seeds the rest.
mkdir -p "$userA/bin" "$userA/highscore"
sed 's/^GamePosition:.*\r$/GamePosition:50\r/' "$data/bin/Brimzel.ini" >"$userA/bin/Brimzel.ini"
printf 'low\r\n-1\r\nlow\r\n-1\r\nlow\r\n-1\r\nlow\r\n-1\r\n' >"$userA/highscore/highscore_2_1.fly"
# User B starts fresh. A replay without --in-place writes nothing of B's, not even the folder.
replay "$scratch/homeB" "" 'step 5\ntap f12\nstep 5\n' -- >/dev/null
[ ! -e "$scratch/homeB" ] || fail "a replay wrote into the user's files: $(find "$scratch/homeB")"
# F12 ends the game, which writes the options.
replay "$scratch/homeB" "" 'step 5\ntap f12\nstep 5\n' >/dev/null
for folder in bin highscore save screenshots levels/user options; do
    [ -d "$userB/$folder" ] || fail "$userB/$folder was not made"
done
for table in "$data"/highscore/default/*.fly; do
    cmp -s "$table" "$userB/highscore/$(basename "$table")" || fail "$table was not seeded"
done
[ -f "$userB/bin/Brimzel.ini" ] || fail "B's options were not seeded"

# Bubble match on level 1 until the clock or the insects end it, then "AB" in first place.
replay "$scratch/homeA" "$scratch/xdgA" \
    'step 5\ntap enter\nstep 40\ntap down\nstep 1\ntap enter\nstep 40\ntap down\nstep 1\ntap down\nstep 1\ntap enter\nstep 80\ntap space\nstep 80\nframe-ms 200\nstep 700\nframe-ms 16\nprint\ntap enter\nstep 1\ntap right\nstep 1\ntap enter\nstep 1\ntap up\nstep 1\ntap right\nstep 1\ntap right\nstep 1\ntap enter\nstep 80\ntap s\nstep 2\ntap f12\nstep 5\n' \
    >"$scratch/out"
[ ! -e "$scratch/homeA" ] || fail "user A's home was written though XDG_DATA_HOME is set"
cmp -s "$data/highscore/default/highscore_1.fly" "$userA/highscore/highscore_1.fly" ||
    fail "A's missing tables were not seeded"
grep -qx "screenState 501" "$scratch/out" || fail "the bubble match did not end in name entry: $(cat "$scratch/out" | head -40)"
head -1 "$userA/highscore/highscore_2_1.fly" | grep -q "^AB" || fail "A's score was not written"
grep -q "^GamePosition:50" "$userA/bin/Brimzel.ini" || fail "A's options were not kept"
[ -f "$userA/screenshots/screenshot1.jpg" ] || fail "A's screenshot is not in A's folder"
cmp -s "$data/highscore/default/highscore_2_1.fly" "$userB/highscore/highscore_2_1.fly" ||
    fail "user B sees user A's scores"

# The installation is unchanged, byte for byte and mode for mode.
fingerprint >"$scratch/after"
cmp -s "$scratch/before" "$scratch/after" || fail "the installed files changed: $(diff "$scratch/before" "$scratch/after" | head)"

# Without HOME and XDG_DATA_HOME: a message naming the missing home, no start.
status=0
env -u HOME -u XDG_DATA_HOME "$games/brimzel-replay" "$scratch/script" 2>"$scratch/err" >/dev/null || status=$?
[ "$status" != 0 ] && grep -q HOME "$scratch/err" || fail "no HOME was not refused ($status)"
echo "system layout: passed"
