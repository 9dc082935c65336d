#!/usr/bin/env bash
# Installs a build into a temporary prefix and builds the sample exhibition with the
# installed lumo-cli, which must find up.jpg and down.jpg in the installed data folder.
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build_dir=$1
source_dir=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/lumo-install-XXXXXX")
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" > "$work/install.log"
cli="$work/prefix/bin/lumo-cli"
for file in "$cli" "$work/prefix/share/lumo/up.jpg" "$work/prefix/share/lumo/down.jpg"; do
    [ -e "$file" ] || { echo "not installed: $file" >&2; exit 1; }
done

examples="$source_dir/examples"
items=()
for name in lighthouse ammonite comet; do
    items+=(--item "$examples/scenes/$name/$name.tsd"
            "$examples/images/${name}_thumb.jpg" "$examples/images/${name}_desc.png")
done
"$cli" build --output "$work/show" "${items[@]}"

for file in exhibition.tsd 00 01 02 up.jpg down.jpg; do
    [ -e "$work/show/$file" ] || { echo "missing from the built exhibition: $file" >&2; exit 1; }
done
cmp "$work/show/up.jpg" "$work/prefix/share/lumo/up.jpg"
echo "installed lumo-cli built the sample exhibition"
