#!/usr/bin/env bash
# Installs the Debian packages Lumo needs that are not installed yet.
#   scripts/setup.sh          what building, testing and running need
#   scripts/setup.sh fuzz     also clang's libFuzzer for `make fuzz`
#   scripts/setup.sh screenshot  also what the screenshot script needs
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg62-turbo-dev libpng-dev
    qt6-base-dev libgl-dev fonts-ipafont-gothic
    desktop-file-utils
    dpkg-dev file
)
for extra in "$@"; do
    case "$extra" in
        fuzz) packages+=(clang libclang-rt-14-dev) ;;
        screenshot) packages+=(xvfb xauth imagemagick) ;;
        *) echo "setup.sh: unknown extra '$extra' (fuzz, screenshot)" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

cmd="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Lumo needs these Debian packages. Install them as root, then run make again:" >&2
    echo "  apt-get update && $cmd" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$cmd
