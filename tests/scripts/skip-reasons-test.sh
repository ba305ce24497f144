#!/usr/bin/env bash
# scripts/skip-reasons.sh on a log as ctest writes it: GoogleTest's skip, a script's "skipped: "
# line, a skip with no reason, beside a test that passed and one that failed though their
# output mentions skipping; then a run with no skip and a folder where ctest never ran.
set -euo pipefail
script=$1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/build/Testing/Temporary" "$scratch/none"

# entry N NAME VERDICT OUTPUT: one test's record in LastTest.log.
entry() {
    printf '%s/5 Testing: %s\n%s/5 Test: %s\nCommand: "/bin/true"\nOutput:\n' "$1" "$2" "$1" "$2"
    printf -- '----------------------------------------------------------\n%s\n<end of output>\n' "$4"
    printf 'Test time =   0.01 sec\n----------------------------------------------------------\n%s\n' "$3"
}
skip='Test Pass Reason:
Skip regular expression found in output. Regex=[skipped: ]'
{
    entry 1 SaveTest.AsAnotherUser "$skip" '[ RUN      ] SaveTest.AsAnotherUser
/src/tests/SaveTest.cpp:50: Skipped
a link of another user can only be set up as root

[  SKIPPED ] SaveTest.AsAnotherUser (0 ms)'
    entry 2 passes 'Test Passed.' 'skipped: nothing, this one ran'
    entry 3 script_check "$skip" 'checking
skipped: needs root and setpriv'
    entry 4 fails 'Test Failed.' '/src/x.cpp:9: Skipped
not a skip'
    entry 5 silent "$skip" '[  SKIPPED ] Silent.Case (0 ms)'
} >"$scratch/build/Testing/Temporary/LastTest.log"

expected='Skipped tests, and why:
  SaveTest.AsAnotherUser: a link of another user can only be set up as root
  script_check: needs root and setpriv
  silent: (the test gave no reason)'
said=$("$script" "$scratch/build")
if [ "$said" != "$expected" ]; then
    printf 'the skips of the log are said as:\n%s\n' "$said" >&2
    exit 1
fi
entry 1 passes 'Test Passed.' 'fine' >"$scratch/build/Testing/Temporary/LastTest.log"
for folder in build none; do
    said=$("$script" "$scratch/$folder")
    if [ -n "$said" ]; then
        echo "with no skip in $folder it says: $said" >&2
        exit 1
    fi
done
echo "each skipped test is named with its reason, and nothing else"
