#!/usr/bin/env bash
# The web edition. "scripts/web.sh build" installs what is missing, builds the core with
# Debian's emscripten and the page with esbuild, and writes the site to build/web/;
# "scripts/web.sh" does the same, then serves the site on http://127.0.0.1:8080, or on the
# port that "--port N" or the environment's PORT names.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
    echo "usage: scripts/web.sh [build | --port N]" >&2
    exit 2
}
mode=serve
port=${PORT:-8080}
while [ $# -gt 0 ]; do
    case $1 in
    build) mode=build ;;
    --port)
        [ $# -ge 2 ] || usage
        port=$2
        shift
        ;;
    --port=*) port=${1#--port=} ;;
    *) usage ;;
    esac
    shift
done
if ! [[ $port =~ ^[0-9]{1,5}$ ]] || [ $((10#$port)) -lt 1 ] || [ $((10#$port)) -gt 65535 ]; then
    echo "web.sh: the port must be a number from 1 to 65535, not '$port'" >&2
    exit 2
fi
port=$((10#$port))

# serve_site check|serve: serves build/web on the port, or only tries that it can; a port
# that is taken is said in one line, not in Python's traceback.
serve_site() {
    python3 - "$port" "$1" <<'PYTHON'
import errno, functools, http.server, sys
port, mode = int(sys.argv[1]), sys.argv[2]
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory="build/web")
try:
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
except OSError as error:
    why = "is taken" if error.errno == errno.EADDRINUSE else f"cannot be used: {error.strerror}"
    sys.exit(f"web.sh: port {port} {why}; choose another with scripts/web.sh --port N")
if mode == "serve":
    print(f"web.sh: serving Orbelan on http://127.0.0.1:{port} (Ctrl+C stops)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
PYTHON
}

scripts/check-build-folder.sh
scripts/install-deps.sh web
# Before the build, so that a port in use is known at once; tried again when serving.
[ "$mode" = build ] || serve_site check
# Emscripten's cache under build/, seeded with links to the system libraries that Debian's
# package ships built, so that no build needs the network or writes outside the checkout.
# Seeded aside and moved in whole, so that a seeding cut short is done again from the start
# rather than failing on the links it made.
cache=build/wasm-emcache
if [ ! -e "$cache/sysroot_install.stamp" ]; then
    rm -rf "$cache" "$cache.seeding"
    mkdir -p "$cache.seeding"
    cp -as /usr/share/emscripten/cache/. "$cache.seeding/"
    rm -f "$cache.seeding/cache.lock"
    mv "$cache.seeding" "$cache"
fi
cmake --preset wasm
cmake --build --preset wasm
node web/build.mjs build/wasm/src/wasm build/web
echo "web.sh: the site is in build/web"

[ "$mode" = build ] || serve_site serve
