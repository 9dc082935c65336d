#!/usr/bin/env bash
# Runs a command on the current X display, or on a virtual one of its own when there is
# none: Wine creates no window without a display.
#   run_on_display.sh COMMAND [ARGUMENT...]
# Wine starts a desktop process for a new display, which outlives the program; the output
# then goes through a file so that this process does not hold CTest's pipe open.
set -uo pipefail
if [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
xvfb-run --auto-servernum --server-args="-screen 0 1280x800x24 -dpi 96" "$@" > "$log" 2>&1 < /dev/null
status=$?
cat "$log"
exit $status
