#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a bounded time
# (BRIMZEL_FUZZ_SECONDS, 10 s unless set; one target per core at a time) on a working copy of its
# seed corpus: the committed edge files plus the files of a generated installation tree. Fails on
# any finding; the input that broke a reader is kept in build-fuzz/findings/.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_FUZZ_BUILD:-$here/build-fuzz}"
tree="${BRIMZEL_TREE:-${BRIMZEL_BUILD:-$here/build}/tree}"
seconds="${BRIMZEL_FUZZ_SECONDS:-10}"
jobs="${BRIMZEL_JOBS:-$(nproc)}"

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DBRIMZEL_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$jobs" --target fuzz_targets

# Readers take paths, so every input becomes a file: keep those in memory when possible.
scratch_base="${TMPDIR:-/tmp}"
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_base=/dev/shm
work="$(mktemp -d "$scratch_base/brimzel-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
findings="$build/findings"
mkdir -p "$findings"

# seed TARGET FILES...: copies small files into the target's working corpus.
seed() {
    local target="$1"
    shift
    mkdir -p "$work/$target"
    cp "$here/fuzz/corpus/$target/"* "$work/$target/" 2>/dev/null || true
    local file
    for file in "$@"; do
        if [ -f "$file" ] && [ "$(stat -c %s "$file")" -le 65536 ]; then
            cp "$file" "$work/$target/$(echo "${file#"$tree"/}" | tr / _)"
        fi
    done
}

shopt -s nullglob
seed options_file "$tree"/bin/Brimzel.ini "$tree"/options/*
seed level_file "$tree"/levels/*.lev "$tree"/levels/user/*.lev
seed highscore_file "$tree"/highscore/*.fly
seed highscore_run
seed saved_progress "$tree"/save/*
seed dds $(find "$tree/gfx" -name '*.dds' -size -64k 2>/dev/null | sort | head -n 24)
seed picture $(find "$tree/gfx" \( -name '*.jpg' -o -name '*.png' \) -size -64k 2>/dev/null | sort | head -n 24)
seed text_lines $(find "$tree" -name '*.txt' 2>/dev/null | sort)
seed recording "$here"/tests/game/replay/scripts/*.replay
seed replay_input "$here"/tests/game/replay/scripts/*.replay "$here"/fuzz/corpus/recording/*
shopt -u nullglob

# fuzz TARGET: runs one target; its log and a "passed"/"failed" mark land in the working folder.
fuzz() {
    local target="$1" result=passed
    # A tiny file must not make a reader take more than a quarter gigabyte at once.
    TMPDIR="$work" "$build/fuzz/fuzz_$target" "$work/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -malloc_limit_mb=256 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" >"$work/$target.log" 2>&1 || result=failed
    echo "$result" >"$work/$target.result"
}

# Each target is one process: run as many side by side as there are cores.
targets=(options_file level_file highscore_file highscore_run saved_progress dds picture text_lines
    recording replay_input)
echo "Fuzzing ${#targets[@]} readers for ${seconds} s each, $jobs at a time"
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
    fuzz "$target" &
    running=$((running + 1))
done
wait

failed=()
for target in "${targets[@]}"; do
    echo "== fuzz_$target: $(ls "$work/$target" | wc -l) files in the corpus"
    if [ "$(cat "$work/$target.result")" = passed ]; then
        grep -E "^stat::number_of_executed_units|^Done" "$work/$target.log" || true
    else
        tail -n 40 "$work/$target.log"
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing: findings in ${failed[*]} (inputs in $findings)"
    exit 1
fi
echo "Fuzzing: ${#targets[@]} targets, no findings"
