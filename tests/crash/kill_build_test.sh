#!/usr/bin/env bash
# Kills `lumo-cli build --replace` with SIGKILL at random moments of a real rebuild in
# place, lets lumo-cli settle the folder (reading the exhibition back does), and checks
# that the folder holds the earlier exhibition or the new one, byte for byte, with the
# curator's own file untouched. Then stops a build that copies a large file with each of
# SIGNALS (INT, TERM): it must fail and leave the folder as it was.
#   kill_build_test.sh EXAMPLES_FOLDER KILLS SIGNALS LUMO_CLI [LAUNCHER_ARGS...]
# The tool is a command: `wine lumo-cli.exe` runs the Windows build, its moves included.
set -euo pipefail
examples=$1
kills=$2
read -r -a signals <<<"$3"
shift 3
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The records of killed builds stay with the test, not with the user running it (under
# Wine they go to the prefix's user folder).
export XDG_STATE_HOME=$work/state

item() {
    echo --item "$examples/scenes/$1/$1.tsd" \
        "$examples/images/$1_thumb.jpg" "$examples/images/$1_desc.png"
}

# Relative path and content hash of everything in the folder.
listing() {
    (cd "$1" && find . -mindepth 1 -printf '%y %p\n' | sort | while read -r kind path; do
        if [ "$kind" = f ]; then
            echo "$path $(sha256sum <"$path" | cut -d' ' -f1)"
        else
            echo "$path $kind"
        fi
    done)
}

# shellcheck disable=SC2046
"${cli[@]}" build --output "$work/saved" $(item lighthouse) $(item ammonite) 2>/dev/null || [ $? = 3 ]
echo "the curator's notes" >"$work/saved/notes.txt"
old=$(listing "$work/saved")

# shellcheck disable=SC2207
rebuild=("${cli[@]}" build --output "$work/show" --replace --from "$work/show/exhibition.tsd"
    $(item comet))

cp -a "$work/saved" "$work/show"
start=$(date +%s%N)
"${rebuild[@]}" 2>/dev/null || [ $? = 3 ]
took=$((($(date +%s%N) - start) / 1000))
new=$(listing "$work/show")
[ "$old" != "$new" ] || { echo "the rebuild changed nothing"; exit 1; }

deadline=$((SECONDS + 120))
finished=0
for ((i = 0; i < kills && SECONDS < deadline; i++)); do
    rm -rf "$work/show"
    cp -a "$work/saved" "$work/show"
    # In a process group of its own, so that a launcher's children die with it.
    setsid "${rebuild[@]}" 2>/dev/null </dev/null &
    pid=$!
    sleep "$(awk -v us="$took" -v r="$RANDOM" 'BEGIN { printf "%.6f", us * r / 32768 / 1e6 }')"
    kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    # Reading the exhibition back settles what the killed build left in its folder.
    "${cli[@]}" list "$work/show/exhibition.tsd" >/dev/null 2>&1 || true
    now=$(listing "$work/show")
    [ "$now" != "$new" ] || finished=$((finished + 1))
    if [ "$now" != "$old" ] && [ "$now" != "$new" ]; then
        echo "kill $i: the folder holds neither exhibition"
        diff <(echo "$old") <(echo "$now") || true
        exit 1
    fi
done
[ "$i" -ge "$kills" ] || { echo "only $i kills in the time allowed"; exit 1; }
echo "$i kills, the folder whole each time ($finished times the new exhibition)"

[ ${#signals[@]} -gt 0 ] || exit 0
# An item with a large data file keeps staging busy long enough to be stopped.
mkdir "$work/large"
sed 's|<body>|<body>\n<data name="bulk" ><file path="bulk.dat" /></data>|' \
    "$examples/scenes/comet/comet.tsd" >"$work/large/large.tsd"
head -c 256M /dev/zero >"$work/large/bulk.dat"
for signal in "${signals[@]}"; do
    rm -rf "$work/show"
    cp -a "$work/saved" "$work/show"
    "${cli[@]}" build --output "$work/show" --replace --from "$work/show/exhibition.tsd" \
        --item "$work/large/large.tsd" "$examples/images/comet_thumb.jpg" \
        "$examples/images/comet_desc.png" 2>/dev/null </dev/null &
    pid=$!
    until [ -d "$work/show/.lumo-build" ] || ! kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
    kill "-$signal" "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" = 1 ] || { echo "SIG$signal: exit status $status, not 1"; exit 1; }
    [ "$(listing "$work/show")" = "$old" ] || { echo "SIG$signal changed the folder"; exit 1; }
done
echo "stopped by ${signals[*]}: the folder unchanged each time"
