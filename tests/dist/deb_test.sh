#!/usr/bin/env bash
# Packs a build as a Debian package, unpacks it into a scratch root, checks its name and
# dependency list, and builds the sample exhibition with the unpacked lumo-cli, which must
# find up.jpg and down.jpg in the package's data folder.
#   deb_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build_dir=$1
source_dir=$2
version=$3

work=$(mktemp -d "${TMPDIR:-/tmp}/lumo-deb-XXXXXX")
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work/out" > "$work/cpack.log") ||
    { cat "$work/cpack.log" >&2; exit 1; }
package="$work/out/lumo_${version}_$(dpkg --print-architecture).deb"
[ -f "$package" ] || { echo "no package $package" >&2; ls "$work/out" >&2; exit 1; }

# Every dependency must be a package this system knows, and the libraries the programs
# load at run time must be among them.
names=" $(dpkg-deb -f "$package" Depends | sed -E 's/\([^)]*\)//g; s/[,|]/ /g' | tr -s ' ') "
required=(libc6 libstdc++6 libjpeg62-turbo libpng16-16)
[ -e "$build_dir/bin/lumo" ] && required+=(libqt6widgets6 qt6-qpa-plugins)
for name in "${required[@]}"; do
    [[ "$names" == *" $name "* ]] || { echo "Depends lacks $name:$names" >&2; exit 1; }
done
for name in $names; do
    dpkg-query -W "$name" > /dev/null 2>&1 || apt-cache show "$name" > /dev/null 2>&1 ||
        { echo "not a Debian package: $name" >&2; exit 1; }
done

root="$work/root"
dpkg-deb -x "$package" "$root"
for file in usr/bin/lumo-cli usr/share/lumo/up.jpg usr/share/lumo/down.jpg; do
    [ -e "$root/$file" ] || { echo "not in the package: $file" >&2; exit 1; }
done

"$source_dir/examples/build-sample.sh" "$root/usr/bin/lumo-cli" "$work/show" > /dev/null
for file in exhibition.tsd 00 01 02 up.jpg down.jpg; do
    [ -e "$work/show/$file" ] || { echo "missing from the built exhibition: $file" >&2; exit 1; }
done
cmp "$work/show/down.jpg" "$root/usr/share/lumo/down.jpg"
echo "the Debian package's lumo-cli built the sample exhibition"
