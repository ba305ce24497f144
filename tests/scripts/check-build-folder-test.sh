#!/usr/bin/env bash
# scripts/check-build-folder.sh run by a plain user in a checkout whose build folder and npm
# packages root made: status 1 and the fix for each named, where CMake would fail on "Cannot
# open file for write" and npm on EACCES.
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
mkdir -p "$checkout/scripts" "$checkout/build/default" "$checkout/web/node_modules/esbuild"
install -m 755 "$script" "$checkout/scripts/"
as_nobody() {
    setpriv --reuid=65534 --regid=65534 --clear-groups "$checkout/scripts/check-build-folder.sh"
}

status=0
message=$(as_nobody 2>&1) || status=$?
for folder in build web/node_modules; do
    expected="chown -R $(id -un 65534): $checkout/$folder"
    if [ "$status" -ne 1 ] || [[ $message != *"$expected"* ]]; then
        echo "a root-owned $folder gave status $status and: $message" >&2
        exit 1
    fi
done
chown -R 65534:65534 "$checkout/build" "$checkout/web/node_modules"
as_nobody
echo "folders of root's are refused with the fix, the user's own are accepted"
