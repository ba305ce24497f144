#!/usr/bin/env bash
# scripts/check-build-folder.sh run by a plain user in checkouts of that user's: links into a
# folder that only root writes (as emscripten's cache under build/ has) pass; a folder of the
# user's made read-only is refused with chmod as the fix; folders that root made are refused
# with the owner and chown as the fix, where CMake would fail on "Cannot open file for write"
# and npm on EACCES. As root the check runs as uid 65534; as another user, as that user, and
# the case of root's folders, which only root can set up, is left out.
set -euo pipefail
script=$1

if [ "$(id -u)" -eq 0 ]; then
    as_user() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
    user=$(id -un 65534)
else
    as_user() { "$@"; }
    user=$(id -un)
fi
scratch=$(mktemp -d)
trap 'chmod -R u+rwX "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
# Files that nobody but their owner, root when the test runs as root, may write.
system=$scratch/system
mkdir -p "$system/sysroot/lib"
touch "$system/sysroot_install.stamp" "$system/sysroot/lib/libc.a"
chmod -R a-w "$system"

# new_checkout NAME: a checkout of the user's with the script and a build folder seeded with
# links into the system's folder, as scripts/web.sh seeds emscripten's cache.
new_checkout() {
    checkout=$scratch/$1
    mkdir -p "$checkout/scripts" "$checkout/build/default" "$checkout/web/node_modules/esbuild"
    install -m 755 "$script" "$checkout/scripts/check-build-folder.sh"
    cp -as "$system/." "$checkout/build/wasm-emcache/"
    chmod -R u+w "$checkout/build/wasm-emcache"
    [ "$(id -u)" -ne 0 ] || chown -R 65534:65534 "$checkout"
}

# expect NAME STATUS TEXT...: the check in that checkout ends with STATUS and says each TEXT.
expect() {
    local name=$1 expected=$2 status=0 message text
    shift 2
    message=$(as_user "$scratch/$name/scripts/check-build-folder.sh" 2>&1) || status=$?
    for text in "$@" ""; do
        if [ "$status" -ne "$expected" ] || [[ $message != *"$text"* ]] || { [ "$expected" -eq 0 ] && [ -n "$message" ]; }; then
            echo "$name: status $status (not $expected) and: $message" >&2
            exit 1
        fi
    done
}

new_checkout links
expect links 0

new_checkout read-only
chmod a-w "$checkout/build/default"
expect read-only 1 "cannot write build/default, which is this user's own" \
    "chmod -R u+rwX $checkout/build"

if [ "$(id -u)" -eq 0 ]; then
    new_checkout roots
    chown -R root:root "$checkout/build/default" "$checkout/web/node_modules"
    expect roots 1 "cannot write build/default, which belongs to root" \
        "chown -R $user: $checkout/build" "chown -R $user: $checkout/web/node_modules"
    chown -R 65534:65534 "$checkout/build/default" "$checkout/web/node_modules"
    expect roots 0
    echo "links into root's folders pass; read-only and root's folders are refused with the fix"
else
    echo "links into read-only folders pass; read-only folders are refused with the fix" \
        "(root's folders, which only root can make, are left out)"
fi
