#!/usr/bin/env bash
# Runs every benchmark program of a build and prints one table. The staging benchmark
# copies a workload of WORKLOAD_MB megabytes, generated into a temporary folder on disk
# and removed afterwards.
#   bench/run.sh BUILD_DIR WORKLOAD_MB
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR WORKLOAD_MB" >&2
    exit 2
fi
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

# Disk-backed, so that staging and cp -r are measured against the same real disk.
work=$(mktemp -d /var/tmp/lumo-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "Generating a ${2} MB staging workload in $work"
"$here/make_workload.sh" "$work/workload" "$2" >/dev/null
export LUMO_STAGING_WORKLOAD="$work/workload"

results=()
for program in "$build"/bin/bench_*; do
    name=$(basename "$program")
    echo "Running $name"
    "$program" --benchmark_out="$work/$name.json" --benchmark_out_format=json \
        >"$work/$name.log" 2>&1 || { cat "$work/$name.log"; exit 1; }
    results+=("$work/$name.json")
done
echo
awk -f "$here/summarise.awk" "${results[@]}"
