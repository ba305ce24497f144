#!/usr/bin/env bash
# The web edition. "scripts/web.sh build" installs what is missing, builds the core with
# Debian's emscripten and the page with esbuild, and writes the site to build/web/;
# "scripts/web.sh" does the same, then serves the site on http://127.0.0.1:8080.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-serve}" in
build | serve) ;;
*)
    echo "usage: scripts/web.sh [build]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh
# Emscripten's cache under build/, seeded with links to the system libraries that Debian's
# package ships built, so that no build needs the network or writes outside the checkout.
cache=build/wasm-emcache
if [ ! -e "$cache/sysroot_install.stamp" ]; then
    mkdir -p "$cache"
    cp -as /usr/share/emscripten/cache/. "$cache/"
    rm -f "$cache/cache.lock"
fi
cmake --preset wasm
cmake --build --preset wasm
(cd web && npm ci --no-audit --no-fund --loglevel=error)
node web/build.mjs build/wasm/src/wasm build/web
echo "web.sh: the site is in build/web"

if [ "${1:-serve}" = serve ]; then
    echo "web.sh: serving Orbelan on http://127.0.0.1:8080 (Ctrl+C stops)"
    exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build/web
fi
