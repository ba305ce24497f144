#!/usr/bin/env bash
# Runs the tests of the default build (made by scripts/test.sh) again as an unprivileged user,
# uid and gid 65534 with no other groups, so that a test that passes only as root fails here.
# Needs root; CI runs it after scripts/test.sh. The tests run from a copy of build/default
# that the user owns, since ctest and some tests write into the build folder, with a home
# folder of their own; nothing is built again.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$PWD/build/default
if [ "$(id -u)" -ne 0 ]; then
    echo "test-unprivileged: needs root, to run the tests as uid 65534" >&2
    exit 2
fi
if [ ! -e "$build/CTestTestfile.cmake" ]; then
    echo "test-unprivileged: no tests in $build; run scripts/test.sh first" >&2
    exit 2
fi
as_user() {
    setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
}
# The tests read the examples and scripts from the checkout.
if ! as_user test -r "$PWD/examples/retirement-example.Orbe"; then
    echo "test-unprivileged: uid 65534 cannot read the checkout $PWD; put it where others may read it" >&2
    exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
copy=$scratch/default
mkdir "$copy" "$scratch/home" "$scratch/runtime"
# The objects are left out: the tests need the programs, not what they were linked from.
tar -C "$build" --exclude='*.o' -cf - . | tar -C "$copy" -xf -
# The test lists and install scripts name the build folder by its absolute path.
pattern=$(printf '%s' "$build" | sed 's/[][\\/.*^$|]/\\&/g')
grep -rlFZ --include='*.cmake' "$build" "$copy" | xargs -0 -r sed -i "s|$pattern|$copy|g"
chown -R 65534:65534 "$copy" "$scratch/home" "$scratch/runtime"
chmod 700 "$scratch/runtime"

status=0
as_user env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
    HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" USER=nobody LOGNAME=nobody \
    ctest --test-dir "$copy" -j2 --output-on-failure || status=$?
scripts/skip-reasons.sh "$copy"
exit "$status"
