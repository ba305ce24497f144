#!/usr/bin/env bash
# Says why each test that the last ctest run in a build folder skipped did not run, which
# ctest keeps in its log only: the line after GoogleTest's "Skipped", or a script's line
# "skipped: REASON". Says nothing when no test was skipped.
#
#   scripts/skip-reasons.sh BUILD_DIR
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: scripts/skip-reasons.sh BUILD_DIR" >&2
    exit 2
fi
log=$1/Testing/Temporary/LastTest.log
[ -f "$log" ] || exit 0
awk '
    /^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); name = $0; reason = ""; next_line = 0; next }
    next_line { reason = $0; next_line = 0 }
    /: Skipped$/ && reason == "" { next_line = 1 }
    /^skipped: / && reason == "" { reason = substr($0, 10) }
    /^Skip regular expression found in output/ {
        if (!skipped++) print "Skipped tests, and why:"
        print "  " substr(name, 1, 120) ": " (reason == "" ? "(the test gave no reason)" : substr(reason, 1, 200))
    }
' "$log"
