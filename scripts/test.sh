#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, the core's suite
# built as Debian builds packages (its default flags, without -Werror), the web edition's
# tests, the whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# CI fuzz run of the plan file harnesses. Prints the time of each step, and last the step
# that failed or the total time; exits non-zero on any failure. The tests run with a home
# folder of their own, so that nothing they write (Qt's test settings, the browser's
# profile and crash reports) lands in the user's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/check-build-folder.sh

scratch_home=$(mktemp -d)
finish() {
    local status=$?
    rm -rf "$scratch_home"
    if [ "$status" -ne 0 ]; then
        echo "test.sh: failed in the step \"$current_step\" (status $status)" >&2
    else
        echo "test.sh: every step passed in $((SECONDS / 60)) min $((SECONDS % 60)) s"
    fi
}
trap finish EXIT
# A run stopped by a signal failed: exit with the signal's status, so that finish says so.
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

step() {
    current_step=$1
    local start=$SECONDS
    shift
    "$@"
    echo "test.sh: $current_step took $((SECONDS - start)) s"
}

# Runs a test command in the scratch home folder.
in_scratch_home() {
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
        HOME="$scratch_home" "$@"
}

# A preset's tests in the scratch home, then why each skipped test did not run, which
# ctest's own output leaves out.
run_tests() {
    local status=0
    in_scratch_home ctest --preset "$1" || status=$?
    scripts/skip-reasons.sh "build/$1"
    return "$status"
}

build_and_test() {
    cmake --preset "$1"
    cmake --build --preset "$1"
    run_tests "$1"
}

. scripts/debian-flags.sh
distribution_build_and_test() {
    configure_with_debian_flags distribution
    cmake --build --preset distribution
    run_tests distribution
}

# The web edition: its site built, then its tests in Node. Needs the default build's orbelan-cli.
web() {
    scripts/web.sh build
    scripts/web-tests.sh
}

fuzz() {
    cmake --preset fuzz
    cmake --build --preset fuzz
    scripts/fuzz.sh
}

step "installing" scripts/install-deps.sh test
step "default build and tests" build_and_test default
step "build and tests with Debian's flags" distribution_build_and_test
step "web edition" web
step "sanitize build and tests" build_and_test sanitize
step "fuzzing" fuzz
