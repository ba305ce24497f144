#!/usr/bin/env bash
# Runs the plan file fuzz harnesses of the 'fuzz' preset (built by scripts/test.sh, or by
# cmake --preset fuzz && cmake --build --preset fuzz), each on a scratch copy of its corpus.
#
#   scripts/fuzz.sh               the CI run: the reader on both cores until it has run
#                                 5,000,000 inputs, the round trip and the engine a minute each
#   scripts/fuzz.sh --long HOURS  the run before a release: the three harnesses on both cores
#                                 for HOURS in all (the reader 60 %, the others 20 % each); the
#                                 inputs that found something new are merged into
#                                 fuzz/corpus/<harness>/ (commit them)
#
# ORBELAN_FUZZ_WORKERS (default 2) sets the number of cores. Ends with one line per harness,
# "fuzz <harness>: N inputs in S s, F findings"; the findings are copied to
# build/fuzz/findings/ and the script exits non-zero when there is any.
set -euo pipefail
cd "$(dirname "$0")/.."

top=$PWD
workers=${ORBELAN_FUZZ_WORKERS:-2}
# Plans are a few hundred bytes; a hostile count makes the reader append up to one item per
# byte, so longer inputs mostly slow the CI run down. The long run goes further.
max_len=1024
long_hours=
if [ "${1:-}" = "--long" ]; then
    long_hours=${2:?"usage: scripts/fuzz.sh [--long HOURS]"}
    max_len=4096
elif [ $# -gt 0 ]; then
    echo "usage: scripts/fuzz.sh [--long HOURS]" >&2
    exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
summary=()
all_findings=0

# The inputs one libFuzzer log reports: its final statistics, or its last progress line
# when it stopped on a finding.
inputs_in_log() {
    local units
    units=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$1" | tail -n 1 | grep -o '[0-9]*$' || true)
    [ -n "$units" ] || units=$(grep -oE '^#[0-9]+' "$1" | tail -n 1 | tr -d '#' || true)
    echo "${units:-0}"
}

# run_harness NAME LIBFUZZER-OPTIONS...
run_harness() {
    local name=$1
    shift
    local work="$scratch/$name"
    mkdir -p "$work/corpus" "$work/findings"
    cp "fuzz/corpus/$name/"* "$work/corpus/"
    local start=$SECONDS
    # Jobs write their logs (fuzz-N.log) into the current folder.
    (cd "$work" && "$top/build/fuzz/fuzz/plan_${name}_fuzz" -dict="$top/fuzz/plan.dict" \
        -max_len=$max_len -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/findings/" "$@" corpus >main.log 2>&1) || true
    local seconds=$((SECONDS - start))
    # The jobs' own logs when there were jobs (the main log repeats them), else the main log.
    local inputs=0 log logs=("$work"/fuzz-*.log)
    [ -e "${logs[0]}" ] || logs=("$work/main.log")
    for log in "${logs[@]}"; do
        inputs=$((inputs + $(inputs_in_log "$log")))
    done
    local findings
    findings=$(find "$work/findings" -type f | wc -l)
    if [ "$findings" -gt 0 ]; then
        mkdir -p build/fuzz/findings
        cp "$work/findings/"* build/fuzz/findings/
        cat "$work"/*.log >&2
    fi
    if [ -n "$long_hours" ]; then
        mkdir -p "$work/merged"
        "$top/build/fuzz/fuzz/plan_${name}_fuzz" -merge=1 -max_len=$max_len -timeout=10 \
            "$work/merged" "fuzz/corpus/$name" "$work/corpus" >"$work/merge.out" 2>&1
        rm -f "fuzz/corpus/$name/"*
        cp "$work/merged/"* "fuzz/corpus/$name/"
    fi
    summary+=("fuzz $name: $inputs inputs in $seconds s, $findings findings")
    all_findings=$((all_findings + findings))
}

parallel=(-jobs="$workers" -workers="$workers")
if [ -n "$long_hours" ]; then
    total=$(awk -v h="$long_hours" 'BEGIN { printf "%d", h * 3600 }')
    run_harness reader "${parallel[@]}" -max_total_time=$((total * 6 / 10))
    run_harness roundtrip "${parallel[@]}" -max_total_time=$((total * 2 / 10))
    run_harness engine "${parallel[@]}" -max_total_time=$((total * 2 / 10))
else
    run_harness reader "${parallel[@]}" -runs=$(((5000000 + workers - 1) / workers))
    run_harness roundtrip -max_total_time=60
    run_harness engine -max_total_time=60
fi

printf '%s\n' "${summary[@]}"
[ "$all_findings" -eq 0 ]
