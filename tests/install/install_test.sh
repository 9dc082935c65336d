#!/usr/bin/env bash
# Installs a build into a temporary prefix, checks that every file landed in its place,
# and builds the sample exhibition with the installed lumo-cli, which must find up.jpg
# and down.jpg in the installed data folder.
#   install_test.sh BUILD_DIR SOURCE_DIR BINDIR DATADIR
set -euo pipefail
build_dir=$1
source_dir=$2
bindir=$3
datadir=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/lumo-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build_dir" --prefix "$prefix" > "$work/install.log"

expected=("$bindir/lumo-cli" "$datadir/lumo/up.jpg" "$datadir/lumo/down.jpg")
if [ -e "$build_dir/bin/lumo" ]; then
    expected+=("$bindir/lumo" "$datadir/applications/lumo.desktop")
    for size in 16 24 32 48 256; do
        expected+=("$datadir/icons/hicolor/${size}x${size}/apps/lumo.png")
    done
fi
for file in "${expected[@]}"; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done

"$source_dir/examples/build-sample.sh" "$prefix/$bindir/lumo-cli" "$work/show"

for file in exhibition.tsd 00 01 02 up.jpg down.jpg; do
    [ -e "$work/show/$file" ] || { echo "missing from the built exhibition: $file" >&2; exit 1; }
done
cmp "$work/show/up.jpg" "$prefix/$datadir/lumo/up.jpg"
echo "installed lumo-cli built the sample exhibition"
