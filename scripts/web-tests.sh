#!/usr/bin/env bash
# The web edition's tests in Node, on the site that "scripts/web.sh build" wrote to build/web/:
# its core against the default build's orbelan-cli on random plans (2,000, or as many as
# given), then its page in headless Chromium. Runs the node found first on the PATH
# (scripts/debian-node.sh puts Debian 12's there), with a home folder of their own.
#
#   scripts/web-tests.sh [PLANS]
set -euo pipefail
cd "$(dirname "$0")/.."

plans=${1:-2000}
if ! [[ $plans =~ ^[0-9]{1,6}$ ]]; then
    echo "usage: scripts/web-tests.sh [PLANS]" >&2
    exit 2
fi
cli=build/default/src/cli/orbelan-cli
for needed in build/web/orbelan.wasm "$cli"; do
    if [ ! -e "$needed" ]; then
        echo "web-tests: $needed is missing; build it with scripts/test.sh, or scripts/web.sh build and cmake --build --preset default" >&2
        exit 2
    fi
done
# A home folder of their own, so that what orbelan-cli and Chromium write there (the state
# folder, the browser's crash reports) neither reaches the user's nor meets another run's.
scratch_home=$(mktemp -d)
trap 'rm -rf "$scratch_home"' EXIT
run() {
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME HOME="$scratch_home" "$@"
}
echo "web-tests: on Node.js $(node --version)"
run node web/tests/core-vs-cli.mjs build/web "$cli" "$plans"
run node web/tests/browser.mjs build/web "$cli"
