#!/usr/bin/env bash
# Runs orbelan-cli's heaviest commands on a plan of 100,000 items under address space limits
# from far too little up to enough, each command at ROUNDS sweeps, and counts how the runs
# ended: 0 (done), 4 (out of memory, and said so) or anything else, which is a fault (134: an
# abort). Too slow for CI, where CliLimitsTest sweeps a smaller plan.
#
#   scripts/memory-limits.sh [BUILD_DIR [ROUNDS]]   default build/default, 3 rounds
#
# Needs a build without AddressSanitizer, whose shadow memory no such limit leaves room for.
# Ends with one line per command, "memory-limits <command>: N runs, D done, M out of memory,
# F faults", and exits non-zero when there is any fault.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
rounds=${2:-3}
cli=$build/src/cli/orbelan-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The example's savings account and pension, alternating, 100,000 times; its expense as it is.
awk -v n=100000 '
    NR <= 6 { print; next }
    NR == 7 { printf "%d\r\n", n; next }
    NR <= 33 { item[NR] = $0; next }
    NR == 34 { for (i = 0; i < n; ++i) for (l = 0; l < 13; ++l) print item[8 + (i % 2) * 13 + l] }
    { print }
' examples/retirement-example.Orbe > "$work/large.Orbe"

faults=0
sweep() {
    local name=$1
    shift
    local runs=0 done=0 short=0 bad=0 status limit
    for ((round = 0; round < rounds; ++round)); do
        # Steps of 4 MB from 80 MB (below it the libraries do not load), shifted a little each
        # round so that the limits fall differently; up to the first run that has enough.
        for ((limit = 81920 + round * 1024; limit < 1048576; limit += 4096)); do
            # The shell's own note of a child that died goes where the output went.
            status=$({
                (ulimit -v "$limit" && exec "$cli" "$@") > /dev/null 2>&1
                echo $?
            } 2> /dev/null)
            runs=$((runs + 1))
            case $status in
            0) done=$((done + 1)); break ;;
            4) short=$((short + 1)) ;;
            *) bad=$((bad + 1)); echo "$name: status $status at $limit KiB" >&2 ;;
            esac
        done
    done
    faults=$((faults + bad))
    echo "memory-limits $name: $runs runs, $done done, $short out of memory, $bad faults"
}

sweep sustain sustain "$work/large.Orbe"
sweep report report "$work/large.Orbe" "$work/large.pdf"
sweep risk risk "$work/large.Orbe" --paths 10
[ "$faults" -eq 0 ]
