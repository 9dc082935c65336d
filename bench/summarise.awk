# Prints one line per benchmark from Google Benchmark's JSON output: its name and time,
# the counters that carry a result of their own (the staging ratio) and any error.
#   awk -f bench/summarise.awk result.json...
function flush() {
    if (name == "") {
        return
    }
    line = sprintf("%-44s %12.3f %s", name, time, unit)
    if (error != "") {
        line = sprintf("%-44s %15s  %s", name, "error", error)
    } else if (ratio != "") {
        line = line sprintf("   staging %.2f s, cp -r %.2f s, ratio %.2f", stage, copy, ratio)
    }
    print line
    name = time = unit = ratio = stage = copy = error = ""
}
function value(line) {
    sub(/^[^:]*: */, "", line)
    sub(/,$/, "", line)
    gsub(/"/, "", line)
    return line
}
BEGIN { printf "%-44s %15s\n", "benchmark", "time" }
/^  "benchmarks": \[/ { inside = 1; next }
!inside { next }
/^      "name":/ { flush(); name = value($0) }
/"real_time":/ { time = value($0) + 0 }
/"time_unit":/ { unit = value($0) }
/"ratio":/ { ratio = value($0) + 0 }
/"stage_s":/ { stage = value($0) + 0 }
/"cp_r_s":/ { copy = value($0) + 0 }
/"error_message":/ { error = value($0) }
/^  \]/ { flush(); inside = 0 }
