#!/usr/bin/env bash
# Every source file includes only headers of its own folder and of the folders below it, and no
# two files (a header and its source count as one) include each other, directly or round a
# longer circle. Usage: include_layers_test.sh SOURCE_ROOT
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root"

# Each folder and the folders it may use besides itself, lowest first.
allowed() {
    case "$1" in
    common) echo "" ;;
    engine | audio) echo "common" ;;
    game/state) echo "common engine audio" ;;
    game/gameplay) echo "common engine audio game/state" ;;
    game/presentation) echo "common engine audio game/state game/gameplay" ;;
    game/recording) echo "common engine audio game/state game/gameplay game/presentation" ;;
    game/shell) echo "common engine audio game/state game/gameplay game/presentation game/recording" ;;
    game/replay) echo "common engine audio game/state game/gameplay game/presentation game/recording game/shell" ;;
    content/kit) echo "common engine" ;;
    # The generator's shared header at its root names the writer each folder implements.
    content/gameplay | content/screens | content/sounds | content/data) echo "common engine content/kit content/content.hpp" ;;
    content) echo "common engine content/kit content/gameplay content/screens content/sounds content/data" ;;
    leveleditor | optionseditor) echo "common engine" ;;
    *) echo "?" ;;
    esac
}

status=0
edges="$(mktemp)"
trap 'rm -f "$edges"' EXIT
while IFS= read -r file; do
    folder="$(dirname "$file")"
    uses="$(allowed "$folder")"
    if [ "$uses" = "?" ]; then
        echo "$file: its folder $folder has no place in the layers"
        status=1
        continue
    fi
    unit="${file%.*}"
    while IFS= read -r header; do
        [ -n "$header" ] || continue
        [ -e "$header" ] || continue # a system or library header
        target="$(dirname "$header")"
        if [ "$target" != "$folder" ] && [[ " $uses " != *" $target "* ]] &&
            [[ " $uses " != *" $header "* ]]; then
            echo "$file includes $header from $target, which is not below $folder"
            status=1
        fi
        [ "${header%.*}" = "$unit" ] || echo "$unit ${header%.*}" >>"$edges"
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find common engine audio game content leveleditor optionseditor \
    \( -name '*.cpp' -o -name '*.hpp' \) | sort)

# Include circles between units: tsort names a loop when there is one.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loops"; then
    echo "include circle:"
    cat "$edges.loops"
    status=1
fi
rm -f "$edges.loops"
[ $status -eq 0 ] && echo "includes point down only, with no circle"
exit $status
