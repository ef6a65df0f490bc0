# The timing helpers of the benchmarks under Wine, sourced by their scripts
# (which set $root first).

# The median of the numbers on standard input.
median() {
    sort -n | awk '{v[NR] = $1} END {if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# Wall time in milliseconds of one run of the arguments under Wine.
wall_ms() {
    local t0 t1
    t0=$(date +%s%N)
    "$root/tools/winerun" "$@" >/dev/null
    t1=$(date +%s%N)
    echo $(( (t1 - t0) / 1000000 ))
}
