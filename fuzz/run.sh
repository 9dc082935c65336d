#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a given time, one after the other, and fails
# on any crash, leak, sanitizer report, broken property or slow input.
#   fuzz/run.sh BUILD_DIR SECONDS
# Seeds are assembled at run time into BUILD_DIR/fuzz-seeds from our own seeds, the
# sample exhibition and the public image suites; what the fuzzer finds goes to
# BUILD_DIR/fuzz-corpus, and failing inputs to BUILD_DIR/fuzz-artifacts.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
seconds=$2
repo=$(cd "$(dirname "$0")/.." && pwd)
testdata="$repo/../shared/testdata"
seeds="$build/fuzz-seeds"

# Inputs up to 1 MB, each allowed at most 1 s: no input may run slower than 1 s per MB.
max_len=1048576
timeout=1

# Copies each file to folder/NAME with the selector byte in front; NAME keeps the file's
# path readable and unique.
add_seeds() {
    local folder=$1 selector=$2
    shift 2
    local file
    for file in "$@"; do
        [ -f "$file" ] || continue
        local name=${file#"$repo/"}
        name=${name#"$testdata/"}
        { printf "\\x$selector"; cat "$file"; } >"$folder/$selector-${name//\//_}"
    done
}

# The listing of the sample exhibition as a build lays it out: one entry folder per
# scene, holding the scene's files and folders and its two images, ended by a NUL byte.
add_listing_seed() {
    local examples=$1 out=$2 scene item name
    : >"$out"
    for scene in "$examples"/scenes/*/; do
        name=$(basename "$scene")
        for item in "$scene"* "$examples/images/${name}_thumb.jpg" "$examples/images/${name}_desc.png"; do
            [ -e "$item" ] || continue
            if [ -d "$item" ]; then
                printf '%s/\n' "$(basename "$item")" >>"$out"
            else
                printf '%s\n' "$(basename "$item")" >>"$out"
            fi
        done
        printf '\0' >>"$out"
    done
}

rm -rf "$seeds"
mkdir -p "$seeds/SourceFuzzer" "$seeds/ImageFuzzer" "$seeds/ReloadFuzzer" "$seeds/SavedListFuzzer"
shopt -s nullglob globstar
documents=("$repo"/fuzz/seeds/source/* "$repo"/examples/**/*.tsd "$repo"/tests/core/source/golden/*/input.tsd)
add_seeds "$seeds/SourceFuzzer" 00 "${documents[@]}"
add_seeds "$seeds/SourceFuzzer" 01 "${documents[@]}"
add_seeds "$seeds/ImageFuzzer" 00 "$repo"/resources/*.jpg "$repo"/examples/**/*.jpg
add_seeds "$seeds/ImageFuzzer" 02 "$testdata"/pngsuite/*.png "$repo"/examples/**/*.png
add_seeds "$seeds/ImageFuzzer" 03 "$testdata"/bmpsuite/**/*.bmp "$repo"/examples/**/*.bmp
cp "$repo"/fuzz/seeds/reload/* "$seeds/ReloadFuzzer/"
cp "$repo"/fuzz/seeds/saved-list/* "$seeds/SavedListFuzzer/"
if [ -d "$repo/examples/scenes" ]; then
    add_listing_seed "$repo/examples" "$seeds/ReloadFuzzer/examples"
fi

# The targets write their inputs to files; on a RAM file system a run is I/O-free and
# an input's time is its own.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

status=0
summary=()
for target in SourceFuzzer ImageFuzzer ReloadFuzzer SavedListFuzzer; do
    corpus="$build/fuzz-corpus/$target"
    artifacts="$build/fuzz-artifacts/$target/"
    log="$build/fuzz-$target.log"
    mkdir -p "$corpus" "$artifacts"
    echo "== $target: ${seconds} s, inputs up to $max_len bytes, ${timeout} s each"
    if ! "$build/bin/fuzz_$target" "$corpus" "$seeds/$target" \
        -max_total_time="$seconds" -max_len="$max_len" -timeout="$timeout" \
        -report_slow_units="$timeout" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target FAILED (log: $log, input in $artifacts)" >&2
        status=1
        continue
    fi
    if grep -q "Slowest unit" "$log"; then
        grep "Slowest unit" "$log"
        echo "$target FAILED: an input took ${timeout} s or more (log: $log)" >&2
        status=1
        continue
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
    corpus_size=$(sed -n 's/.* corp: \([0-9]*\/[0-9a-zA-Z]*\).*/\1/p' <<<"$done_line")
    coverage=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$done_line")
    summary+=("$(printf '%-14s %10s runs  corpus %-12s cov %s' "$target" "$runs" "$corpus_size" "$coverage")")
done

echo "== fuzz summary (${seconds} s per target)"
printf '%s\n' "${summary[@]}"
exit $status
