#!/usr/bin/env bash
# Packs the Windows build as its zip, checks what the zip holds, unzips it into a folder
# whose name is Japanese and builds the sample exhibition there with the unzipped
# lumo-cli.exe, which must find up.jpg and down.jpg beside itself. The result must equal
# the Linux build's (or, without one, the build tree's lumo-cli.exe's) byte for byte.
#   zip_test.sh BUILD_DIR SOURCE_DIR VERSION WINE LINUX_CLI
set -euo pipefail
build_dir=$1
source_dir=$2
version=$3
wine=$4
linux_cli=$5

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

# Runs a Windows program through Wine for build-sample.sh, which wants one command.
windows_cli() {
    printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$wine" "$1" > "$2"
    chmod +x "$2"
}
windows_cli "$folder/$name/lumo-cli.exe" "$work/unzipped-cli"
"$source_dir/examples/build-sample.sh" "$work/unzipped-cli" "$work/show" > /dev/null

reference="$linux_cli"
if [ ! -x "$reference" ]; then
    echo "no Linux build at $linux_cli: comparing with the build tree's lumo-cli.exe"
    windows_cli "$build_dir/bin/lumo-cli.exe" "$work/reference-cli"
    reference="$work/reference-cli"
fi
"$source_dir/examples/build-sample.sh" "$reference" "$work/reference" > /dev/null
diff -r "$work/reference" "$work/show"
echo "the zip's lumo-cli.exe built the sample exhibition like $reference"
