#!/usr/bin/env bash
# Starts the window on a virtual X display and saves a picture of it.
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png] [FILE...]
# (defaults: build, docs/screenshot.png). The FILEs are handed to the window as a drop;
# without them it gets a freshly built sample exhibition.tsd, so the picture shows the
# reload question, a standard dialog, in Japanese.
# Needs xvfb-run and ImageMagick's import (scripts/setup.sh screenshot installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
output="${2:-docs/screenshot.png}"
for tool in xvfb-run import convert; do
    command -v "$tool" > /dev/null || { echo "screenshot.sh: $tool is missing (scripts/setup.sh screenshot)" >&2; exit 1; }
done
[ -x "$build/bin/lumo" ] || { echo "screenshot.sh: build $build/bin/lumo first" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
raw=$(mktemp --suffix=.png)
sample=$(mktemp -d)
trap 'rm -rf "$raw" "$sample"' EXIT
files=("${@:3}")
# A state folder of its own: no saved list of the user's is offered back in the picture.
export XDG_STATE_HOME="$sample/state"
if [ ${#files[@]} -eq 0 ]; then
    examples/build-sample.sh "$build/bin/lumo-cli" "$sample/show" > /dev/null 2>&1
    files=("$sample/show/exhibition.tsd")
fi

# The display has no window manager, so the picture shows the dialog's client area; the
# black desktop around it is trimmed away.
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -dpi 96" bash -c '
    "$1/bin/lumo" "${@:3}" &
    app=$!
    sleep 3
    import -window root "$2"
    kill "$app"
' _ "$build" "$raw" "${files[@]}"
convert "$raw" -trim +repage "$output"
echo "screenshot.sh: wrote $output"
