#!/bin/sh
# Generates a staging workload in the folder given as argument: 99 items under src/NN/
# (a scene document, a thumbnail, a description image, three data files in data/ and a
# data folder slices/ of two files), MB megabytes of data in all (1024 unless given), and
# the paging images in res/. bench_StagingBench reads it through LUMO_STAGING_WORKLOAD.
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 FOLDER [MB]" >&2
    exit 2
fi
root=$1
megabytes=${2:-1024}
here=$(cd "$(dirname "$0")" && pwd)

# Per item: each data file 30 % of the item's share, each slice 5 %.
item_bytes=$((megabytes * 1048576 / 99))
part_bytes=$((item_bytes * 30 / 100))
slice_bytes=$((item_bytes * 5 / 100))

mkdir -p "$root/res"
cp "$here/../resources/up.jpg" "$here/../resources/down.jpg" "$root/res/"

i=0
while [ $i -lt 99 ]; do
    item=$(printf '%s/src/%02d' "$root" $i)
    mkdir -p "$item/data" "$item/slices"
    printf '<?xml version="1.0" encoding="UTF-8"?>\n<TessraFile>\n</TessraFile>\n' \
        >"$item/scene.tsd"
    head -c 40000 /dev/urandom >"$item/thumb.jpg"
    head -c 90000 /dev/urandom >"$item/desc.png"
    for k in 1 2 3; do
        head -c $part_bytes /dev/urandom >"$item/data/part$k.bin"
    done
    for k in 1 2; do
        head -c $slice_bytes /dev/urandom >"$item/slices/slice$k.raw"
    done
    i=$((i + 1))
done
du -sh "$root/src"
