#!/bin/sh
# Generates a staging workload in the folder given as argument: 99 items under src/NN/
# (a scene document, a thumbnail, a description image, three data files in data/ and a
# data folder slices/), about 1 GB of data in all, and the paging images in res/.
# bench_StagingBench reads it through LUMO_STAGING_WORKLOAD.
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 FOLDER" >&2
    exit 2
fi
root=$1
here=$(cd "$(dirname "$0")" && pwd)

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
        head -c 3145728 /dev/urandom >"$item/data/part$k.bin"
    done
    for k in 1 2; do
        head -c 524288 /dev/urandom >"$item/slices/slice$k.raw"
    done
    i=$((i + 1))
done
du -sh "$root/src"
