#!/usr/bin/env bash
# scripts/check-build-folder.sh run by a plain user in a checkout whose build folder root
# made: status 1 and the fix named, where CMake would fail on "Cannot open file for write".
# Needs root to make the folder root's and to become uid 65534.
set -euo pipefail
script=$1

if [ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null; then
    echo "skipped: needs root and setpriv to act as another user"
    exit 0
fi
checkout=$(mktemp -d)
trap 'rm -rf "$checkout"' EXIT
chmod 755 "$checkout"
mkdir -p "$checkout/scripts" "$checkout/build/default"
install -m 755 "$script" "$checkout/scripts/"
as_nobody() {
    setpriv --reuid=65534 --regid=65534 --clear-groups "$checkout/scripts/check-build-folder.sh"
}

status=0
message=$(as_nobody 2>&1) || status=$?
expected="chown -R $(id -un 65534): $checkout/build"
if [ "$status" -ne 1 ] || [[ $message != *"$expected"* ]]; then
    echo "a root-owned build folder gave status $status and: $message" >&2
    exit 1
fi
chown -R 65534:65534 "$checkout/build"
as_nobody
echo "a build folder of root's is refused with the fix, the user's own is accepted"
