#!/usr/bin/env bash
# Builds the sample exhibition with the Linux lumo-cli and with lumo-cli.exe under Wine
# and compares the two trees byte for byte, exhibition.tsd included.
#   same_sample.sh LINUX_CLI WINDOWS_CLI
# Expects WINEPREFIX (and a running wine server) from the caller.
set -euo pipefail
linux_cli=$1
windows_cli=$2
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/lumo-cli-wine" <<WRAPPER
#!/usr/bin/env bash
exec wine "$windows_cli" "\$@" </dev/null
WRAPPER
chmod +x "$work/lumo-cli-wine"

"$examples/build-sample.sh" "$linux_cli" "$work/linux" > /dev/null 2>&1
"$examples/build-sample.sh" "$work/lumo-cli-wine" "$work/windows" > /dev/null 2>&1
if diff -r "$work/linux" "$work/windows"; then
    echo "same_sample: the Linux and Windows builds of the sample are identical"
else
    echo "same_sample: the Linux and Windows builds of the sample differ" >&2
    exit 1
fi
