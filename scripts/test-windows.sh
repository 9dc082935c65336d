#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, then builds the sample exhibition with the
# Linux lumo-cli, when one is given, and the Windows one and compares the two.
#   scripts/test-windows.sh BUILD_DIR JOBS [LINUX_CLI]
# The Wine prefix lives in the build folder (its first start takes a while and some
# 700 MB). The wine server and Wine's background services are started and warmed here,
# detached from every output: started by the first test instead, they would inherit
# CTest's output pipe and make each test wait for them.
set -euo pipefail
# The window's tests need a display. Wine's desktop binds to the display the wine server
# first sees, so the whole run, the warm-up included, happens on one virtual display.
if [ -z "${LUMO_ON_XVFB:-}" ]; then
    exec env LUMO_ON_XVFB=1 xvfb-run --auto-servernum \
        --server-args="-screen 0 1280x800x24 -dpi 96" "$0" "$@"
fi
build=$(cd "$1" && pwd)
jobs=$2
linux_cli=${3:-}
tests=$(cd "$(dirname "$0")/../tests" && pwd)

export WINEPREFIX="$build/wine-prefix"
export WINEDEBUG=-all
# Japanese Windows: the ANSI code page is 932, as on the curators' machines.
export LC_ALL=ja_JP.UTF-8

# A server already running for this prefix is reused.
wineserver -p </dev/null >/dev/null 2>&1 || true
trap 'wineserver -k </dev/null >/dev/null 2>&1 || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1
# The virtual display has no window manager: unmanaged windows spare the window tests the
# two seconds Wine waits for one whenever a window is shown.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1

cd "$build"
ctest --output-on-failure -j "$jobs"
if [ -n "$linux_cli" ]; then
    "$tests/cross/same_sample.sh" "$linux_cli" "$build/bin/lumo-cli.exe"
fi
