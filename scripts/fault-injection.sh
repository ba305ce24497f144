#!/usr/bin/env bash
# Makes system calls of orbelan-cli save fail, one at a time, through strace's fault injection:
# every call to each of sixteen system calls that a save makes once the program has started
# (beyond those that orbelan-cli --version makes too), in turn, fails with EIO, ENOSPC and
# EINTR,
# both for a save through a temporary file and for one in place (a plan with a second hard
# link). After each run the plan is opened as the next open does (an interrupted save put
# back) and must be the old or the new plan whole, and a save that said it succeeded must
# have written the new one. Needs the default build and strace.
#
#   scripts/fault-injection.sh [BUILD_DIR]
#
# Ends with "fault-injection: N injections over S system calls, D saved, K kept the old plan,
# P failed after the new plan was in place, F faults" and exits non-zero
# when there is any fault.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
cli=$PWD/$build/src/cli/orbelan-cli
if [ ! -x "$cli" ]; then
    echo "fault-injection: no $cli; build the default preset first" >&2
    exit 2
fi
command -v strace > /dev/null || {
    echo "fault-injection: needs strace (scripts/install-deps.sh test)" >&2
    exit 2
}
calls=(openat openat2 read pread64 write fsync renameat fchmod fcntl newfstatat close getdents64
    mkdirat unlinkat ftruncate lseek)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Backups of saves in place go to a state folder of the run's own.
export XDG_STATE_HOME=$work/state
old=examples/retirement-example.Orbe
new=examples/household.Orbe
"$cli" project --csv "$old" > "$work/old.csv"
"$cli" project --csv "$new" > "$work/new.csv"

# A fresh plan holding the old bytes; "inplace" gives it a second link, so saves write in place.
fresh() {
    rm -rf "$work/plans" "$XDG_STATE_HOME"
    mkdir "$work/plans"
    cp "$old" "$work/plans/plan.Orbe"
    if [ "$1" = inplace ]; then
        ln "$work/plans/plan.Orbe" "$work/plans/link.Orbe"
    fi
}

runs=0 saved=0 kept=0 late=0 faults=0
# One save with the when-th call to call failing with error; its outcome counted.
inject() {
    local mode=$1 call=$2 when=$3 error=$4 status=0 opened result
    fresh "$mode"
    strace -f -o /dev/null -e inject="$call:error=$error:when=$when" \
        "$cli" save "$new" "$work/plans/plan.Orbe" > /dev/null 2>&1 || status=$?
    opened=$("$cli" project --csv "$work/plans/plan.Orbe" 2> /dev/null || true)
    runs=$((runs + 1))
    if [ "$opened" = "$(cat "$work/new.csv")" ] && cmp -s "$new" "$work/plans/plan.Orbe"; then
        result=new
    elif [ "$opened" = "$(cat "$work/old.csv")" ] && cmp -s "$old" "$work/plans/plan.Orbe"; then
        result=old
    else
        result=other
    fi
    case $status/$result in
    0/new) saved=$((saved + 1)) ;;
    [1-9]/old | [1-9][0-9]/old) kept=$((kept + 1)) ;;
    [1-9]/new | [1-9][0-9]/new) late=$((late + 1)) ;;
    *)
        faults=$((faults + 1))
        echo "fault-injection: $mode, $call call $when failing with $error:" \
            "status $status, $result plan" >&2
        ;;
    esac
}

# The calls of starting the program (loading its libraries) are not the save's.
strace -f -c -U name,calls -o "$work/start" "$cli" --version > /dev/null
for mode in replace inplace; do
    fresh "$mode"
    strace -f -c -U name,calls -o "$work/counts" "$cli" save "$new" "$work/plans/plan.Orbe" \
        > /dev/null 2>&1
    for call in "${calls[@]}"; do
        count=$(awk -v call="$call" '$1 == call { print $2 }' "$work/counts")
        start=$(awk -v call="$call" '$1 == call { print $2 }' "$work/start")
        for ((when = ${start:-0} + 1; when <= ${count:-0}; ++when)); do
            for error in EIO ENOSPC EINTR; do
                inject "$mode" "$call" "$when" "$error"
            done
        done
    done
done
echo "fault-injection: $runs injections over ${#calls[@]} system calls, $saved saved," \
    "$kept kept the old plan, $late failed after the new plan was in place, $faults faults"
[ "$faults" -eq 0 ]
