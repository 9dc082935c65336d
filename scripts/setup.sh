#!/usr/bin/env bash
# Installs the Debian packages Lumo needs that are not installed yet.
#   scripts/setup.sh          what building, testing and running need
#   scripts/setup.sh fuzz     also clang's libFuzzer for `make fuzz`
#   scripts/setup.sh screenshot  also what the screenshot script needs
#   scripts/setup.sh windows  also the MinGW-w64 cross compilers and Wine for
#                             `make windows` and `make test-windows`
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg62-turbo-dev libpng-dev libcli11-dev libexpat1-dev
    qt6-base-dev libgl-dev fonts-ipafont-gothic qt6-translations-l10n
    desktop-file-utils
    dpkg-dev file
)
japanese_locale=no
for extra in "$@"; do
    case "$extra" in
        fuzz) packages+=(clang libclang-rt-14-dev) ;;
        screenshot) packages+=(xvfb xauth imagemagick) ;;
        windows) packages+=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine xvfb xauth locales
                          fonts-wine unzip)
                 japanese_locale=yes ;;
        *) echo "setup.sh: unknown extra '$extra' (fuzz, screenshot, windows)" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done

as_root() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "Lumo needs this done as root, then run make again:" >&2
        echo "  $*" >&2
        exit 1
    fi
    "$@"
}

if [ ${#missing[@]} -gt 0 ]; then
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
fi

# The Windows tests run Wine under a Japanese locale (ANSI code page 932); Wine cannot
# open non-ASCII file names under a locale that was never generated.
if [ "$japanese_locale" = yes ] && ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
