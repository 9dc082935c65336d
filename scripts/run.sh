#!/usr/bin/env bash
# Starts the Lumo window. Where no display is available, builds the sample exhibition
# with the command-line tool instead and says where it is.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bin="${1:-$here/build}/bin"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$bin/lumo" ]; then
    exec "$bin/lumo"
fi

echo "No display here, so the Lumo window cannot open."
echo "Building the sample exhibition of examples/ with lumo-cli instead."
out=$(mktemp -d "${TMPDIR:-/tmp}/lumo-sample-XXXXXX")
"$here/examples/build-sample.sh" "$bin/lumo-cli" "$out"
echo
echo "The sample exhibition is in $out:"
"$bin/lumo-cli" list "$out/exhibition.tsd" 2>/dev/null
