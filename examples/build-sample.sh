#!/usr/bin/env bash
# Builds the sample exhibition with a given lumo-cli into a folder.
#   build-sample.sh LUMO_CLI OUTPUT_FOLDER
set -euo pipefail
cli=$1
output=$2
examples=$(cd "$(dirname "$0")" && pwd)
items=()
for name in lighthouse ammonite comet; do
    items+=(--item "$examples/scenes/$name/$name.tsd"
            "$examples/images/${name}_thumb.jpg" "$examples/images/${name}_desc.png")
done
exec "$cli" build --output "$output" "${items[@]}"
