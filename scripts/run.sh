#!/usr/bin/env bash
# Starts the Lumo window; without a window the command-line tool's help is shown.
set -euo pipefail
bin="${1:-build}/bin"
if [ -x "$bin/lumo" ]; then
    exec "$bin/lumo"
fi
exec "$bin/lumo-cli" --help
