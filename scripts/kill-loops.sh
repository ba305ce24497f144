#!/usr/bin/env bash
# The save kill loops at the length of an audit, too long for every test run: saves killed at
# random moments, and the putting back of a write in place killed as well, KILLS times (600
# unless given); then the window killed while a plan is edited, KILLS / 10 times. Each loop
# prints its seed; ORBELAN_KILL_SEED=SEED draws the same moments again.
# Needs a build of the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
kills="${1:-600}"
ORBELAN_PUT_BACK_KILLS="$kills" build/default/tests/persist/orbelan_document_tests \
    --gtest_filter='SaveKillTest.KilledPutBacks*'
ORBELAN_RECOVERY_KILLS="$((kills / 10))" build/default/tests/app/orbelan_recovery_kill_tests
