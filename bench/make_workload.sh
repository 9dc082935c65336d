#!/bin/sh
# Generates a staging workload in the folder given as argument: 99 items under src/NN/
# (a scene document naming three data files beside it and a data folder slices/ of two
# files, a thumbnail and a description image), MB megabytes of data in all (1024 unless
# given), the paging images in res/ and a second description image in alt/ for a change
# between builds. The staging and build benchmarks read it through LUMO_STAGING_WORKLOAD.
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

images="$here/../examples/images"
mkdir -p "$root/res" "$root/alt"
cp "$here/../resources/up.jpg" "$here/../resources/down.jpg" "$root/res/"
cp "$images/comet_desc.png" "$root/alt/desc.png"

i=0
while [ $i -lt 99 ]; do
    item=$(printf '%s/src/%02d' "$root" $i)
    mkdir -p "$item/slices"
    cat >"$item/scene.tsd" <<'EOF_SCENE'
<?xml version="1.0" encoding="UTF-8"?>
<TessraFile version="1.35">
<body>
<data name="part1" ><file path="part1.bin" /></data>
<data name="part2" ><file path="part2.bin" /></data>
<data name="part3" ><file path="part3.bin" /></data>
<data name="ct" ><volume spacing="1 1 1" ><file path="slices\" /></volume></data>
<drawGroup name="Sur_parts" caption="parts" friendGroup="volume" >
<drawUnit coordinate_data="part1" index_data="part2" />
<drawUnit coordinate_data="part3" />
</drawGroup>
<drawGroup name="volume" caption="volume" >
<drawUnit volume_data="ct" />
</drawGroup>
</body>
</TessraFile>
EOF_SCENE
    cp "$images/lighthouse_thumb.jpg" "$item/thumb.jpg"
    cp "$images/lighthouse_desc.png" "$item/desc.png"
    for k in 1 2 3; do
        head -c $part_bytes /dev/urandom >"$item/part$k.bin"
    done
    for k in 1 2; do
        head -c $slice_bytes /dev/urandom >"$item/slices/slice$k.raw"
    done
    i=$((i + 1))
done
du -sh "$root/src"
