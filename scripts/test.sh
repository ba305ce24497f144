#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, the
# core tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the plan file fuzz harness for a bounded time. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz
cmake --build --preset fuzz
scripts/fuzz.sh "${ORBELAN_FUZZ_SECONDS:-60}"
