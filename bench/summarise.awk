# Prints one line per benchmark from Google Benchmark's JSON output: its name and time,
# the counters that carry a result of their own (the staging and build ratios, the
# rebuild's share of cp -r + sync) and any error.
#   awk -f bench/summarise.awk result.json...
function flush() {
    if (name == "") {
        return
    }
    line = sprintf("%-44s %12.3f %s", name, time, unit)
    if (error != "") {
        line = sprintf("%-44s %15s  %s", name, "error", error)
    } else if (build != "") {
        line = line sprintf("   build %.2f s, cp -r + sync %.2f s, ratio %.2f (medians)",
                            build, copysync, ratio)
    } else if (ratio != "") {
        line = line sprintf("   staging %.2f s, cp -r %.2f s, ratio %.2f", stage, copy, ratio)
    } else if (rebuild != "") {
        line = line sprintf("   rebuild %.3f s (median)", rebuild)
        if (share != "") {
            line = line sprintf(", %.1f %% of cp -r + sync", share * 100)
        }
        line = line sprintf(", %d files linked, %d copied", linked, copied)
    }
    print line
    name = time = unit = ratio = stage = copy = error = ""
    build = copysync = rebuild = share = linked = copied = ""
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
/"build_s":/ { build = value($0) + 0 }
/"cp_sync_s":/ { copysync = value($0) + 0 }
/"rebuild_s":/ { rebuild = value($0) + 0 }
/"share":/ { share = value($0) + 0 }
/"linked":/ { linked = value($0) + 0 }
/"copied":/ { copied = value($0) + 0 }
/"error_message":/ { error = value($0) }
/^  \]/ { flush(); inside = 0 }
