#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, the core's suite
# built as Debian builds packages (its default flags, without -Werror), the web edition's
# tests, the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# CI fuzz run of the plan file harnesses. Prints the time of each step; exits non-zero on any
# failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/check-build-folder.sh

step() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "test.sh: $name took $((SECONDS - start)) s"
}

build_and_test() {
    cmake --preset "$1"
    cmake --build --preset "$1"
    ctest --preset "$1"
}

. scripts/debian-flags.sh
distribution_build_and_test() {
    configure_with_debian_flags distribution
    cmake --build --preset distribution
    ctest --preset distribution
}

# The web edition: its site built, its core against orbelan-cli in Node, its page in
# headless Chromium. Needs the default build's orbelan-cli.
web() {
    scripts/web.sh build
    node web/tests/core-vs-cli.mjs build/web build/default/src/cli/orbelan-cli
    node web/tests/browser.mjs build/web build/default/src/cli/orbelan-cli
}

fuzz() {
    cmake --preset fuzz
    cmake --build --preset fuzz
    scripts/fuzz.sh
}

step "installing" scripts/install-deps.sh
step "default build and tests" build_and_test default
step "build and tests with Debian's flags" distribution_build_and_test
step "web edition" web
step "sanitize build and tests" build_and_test sanitize
step "fuzzing" fuzz
