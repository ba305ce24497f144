#!/usr/bin/env bash
# Runs a command with Debian 12's own Node.js first on the PATH, whatever Node.js this machine
# has installed, so that what the web edition runs on Node is tried on the version a fresh
# Debian 12 brings:
#
#   scripts/debian-node.sh COMMAND [ARGUMENT...]
#
# The nodejs and libnode packages of the newest Node.js 18 that apt knows are unpacked, not
# installed, into build/debian-node/VERSION/. The libraries and the modules that this Node.js
# loads from /usr/share/nodejs are installed as Debian packages when missing: none of them
# replaces another Node.js. npm is not among them: the command runs Node, not npm.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

if [ $# -eq 0 ]; then
    echo "usage: scripts/debian-node.sh COMMAND [ARGUMENT...]" >&2
    exit 2
fi
# Debian 12 ships Node.js 18; apt lists its release and security updates, newest first.
version=$(apt-cache madison nodejs | awk -F' *[|] *' '$2 ~ /^18\./ { print $2; exit }')
if [ -z "$version" ]; then
    echo "debian-node: apt knows no Node.js 18 (Debian 12's nodejs); run apt-get update as root" >&2
    exit 1
fi
folder=$top/build/debian-node/$version
if [ ! -e "$folder/unpacked" ]; then
    rm -rf "$folder"
    mkdir -p "$folder/debs"
    # As root, apt fetches as its own user, which may not write this folder.
    sandbox=()
    [ "$(id -u)" -ne 0 ] || sandbox=(-o APT::Sandbox::User=root)
    (cd "$folder/debs" && apt-get download -q "${sandbox[@]}" "nodejs=$version" "libnode108=$version")
    for deb in "$folder"/debs/*.deb; do
        dpkg-deb -x "$deb" "$folder/root"
    done
    touch "$folder/unpacked"
fi
# What libnode needs, without versions or alternatives: libuv1, libicu72, node-undici, ...
mapfile -t needed < <(dpkg-deb -f "$folder"/debs/libnode108_*.deb Depends |
    tr ',' '\n' | sed -E 's/[|].*//; s/[(].*//; s/[[:space:]]//g' | grep -v '^$')
"$top/scripts/install-deps.sh" debian-node "${needed[@]}"

library=$(find "$folder/root" -name 'libnode.so.*' -print -quit)
export PATH=$folder/root/usr/bin:$PATH
export LD_LIBRARY_PATH=${library%/*}${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
exec "$@"
