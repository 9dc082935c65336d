#!/usr/bin/env bash
# Starts Lumo.exe under Wine on a virtual X display and saves a picture of it.
#   scripts/screenshot-windows.sh [BUILD_DIR] [OUTPUT.png]
#   (defaults: build-windows, docs/screenshot-windows.png)
# Wine has no Japanese UI font of its own: the private prefix replaces the dialog's
# "MS UI Gothic" with IPAPGothic. Needs `make windows` first and scripts/setup.sh windows.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"
output="${2:-docs/screenshot-windows.png}"
for tool in xvfb-run wine import convert; do
    command -v "$tool" > /dev/null || { echo "screenshot-windows.sh: $tool is missing (scripts/setup.sh windows)" >&2; exit 1; }
done
[ -f "$build/bin/Lumo.exe" ] || { echo "screenshot-windows.sh: build $build/bin/Lumo.exe first (make windows)" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
raw=$(mktemp --suffix=.png)
trap 'rm -f "$raw"' EXIT

export WINEPREFIX="$PWD/$build/wine-screenshot-prefix" WINEDEBUG=-all
wineboot --init > /dev/null 2>&1 < /dev/null
# The title bar's close button is a glyph of Wine's Marlett font (package fonts-wine).
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2> /dev/null || true
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f \
    > /dev/null 2>&1 < /dev/null
# Wine draws the title bar itself, as the display has no window manager to do it.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f > /dev/null 2>&1 < /dev/null
wineserver --wait

# The black desktop around the window is trimmed away.
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -dpi 96" bash -c '
    wine "$1/bin/Lumo.exe" > /dev/null 2>&1 < /dev/null &
    sleep 6
    import -window root "$2"
    wineserver --kill
' _ "$build" "$raw"
convert "$raw" -trim +repage "$output"
echo "screenshot-windows.sh: wrote $output"
