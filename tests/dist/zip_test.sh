#!/usr/bin/env bash
# Packs the Windows build as its zip, checks what the zip holds, unzips it into a folder
# whose name is Japanese and builds the sample exhibition there with the unzipped
# lumo-cli.exe, which must find up.jpg and down.jpg beside itself. The result must equal
# the Linux build's byte for byte.
#   zip_test.sh BUILD_DIR SOURCE_DIR VERSION LINUX_CLI
set -euo pipefail
build_dir=$1
source_dir=$2
version=$3
linux_cli=$4
[ -x "$linux_cli" ] || { echo "no Linux lumo-cli at $linux_cli (make test-windows builds it)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/lumo-zip-XXXXXX")
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G ZIP -B "$work/out" > "$work/cpack.log") ||
    { cat "$work/cpack.log" >&2; exit 1; }
name="lumo-$version-windows-x64"
package="$work/out/$name.zip"
[ -f "$package" ] || { echo "no package $package" >&2; ls "$work/out" >&2; exit 1; }

expected=$(printf '%s\n' Lumo.exe README.txt down.jpg lumo-cli.exe up.jpg)
listed=$(unzip -Z1 "$package" | grep -v '/$' | sed "s|^$name/||" | sort)
[ "$listed" = "$expected" ] || { echo "the zip holds:"$'\n'"$listed" >&2; exit 1; }

folder="$work/展示 パッケージ"
mkdir "$folder"
unzip -q "$package" -d "$folder"

"$source_dir/tests/cross/same_sample.sh" "$linux_cli" "$folder/$name/lumo-cli.exe"
