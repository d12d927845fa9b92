#!/bin/sh
# Times `vantrel-count --all` and `vantrel-count --all --crib` and prints the median of
# each. Builds nothing: pass the path of a built vantrel-count (an optimised build, for
# numbers that mean anything).
#
#   benchmarks/count_all.sh build/tools/vantrel-count [runs]
#
# Uses hyperfine when it is installed, else a plain loop over `date +%s%N`.
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 PATH/TO/vantrel-count [runs]" >&2
    exit 2
fi
counter=$1
runs=${2:-30}
if [ ! -x "$counter" ]; then
    echo "$0: '$counter' is not an executable file" >&2
    exit 2
fi
case $runs in
    ''|*[!0-9]*|0) echo "$0: runs must be a positive whole number, got '$runs'" >&2; exit 2 ;;
esac

# Median in milliseconds of a list of nanosecond times, one a line.
median_ms() {
    sort -n | awk '{ t[NR] = $1 } END {
        m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "%.1f", m / 1e6 }'
}

time_with_loop() {
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        "$counter" "$@" > /dev/null
        end=$(date +%s%N)
        echo $((end - start))
        i=$((i + 1))
    done | median_ms
}

time_with_hyperfine() {
    json=$(mktemp)
    hyperfine --warmup 3 --runs "$runs" --style none --export-json "$json" \
        "\"$counter\" $*" > /dev/null
    # hyperfine's JSON gives every run in seconds; the median is among the results.
    sed -n 's/.*"median": *\([0-9.e+-]*\).*/\1/p' "$json" | head -n 1 |
        awk '{ printf "%.1f", $1 * 1000 }'
    rm -f "$json"
}

for options in "--all" "--all --crib"; do
    if command -v hyperfine > /dev/null 2>&1; then
        # shellcheck disable=SC2086 # the options are meant to split into words
        median=$(time_with_hyperfine $options)
        tool=hyperfine
    else
        # shellcheck disable=SC2086
        median=$(time_with_loop $options)
        tool="date loop"
    fi
    printf 'vantrel-count %-12s median %s ms over %s runs (%s)\n' "$options" "$median" "$runs" "$tool"
done
