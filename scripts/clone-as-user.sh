#!/usr/bin/env bash
# The quick start again as a plain user, uid and gid 65534, in a clone of this checkout that
# the user owns, with a home folder of its own: the web edition built twice (scripts/web.sh
# build), then scripts/check-build-folder.sh, which must all pass. A script that works only as
# root, or only once, fails here: the first build seeds emscripten's cache under build/ with
# links to root's files, which the second run and the check must accept. Needs root to become
# that user; clones the last commit, not changes that are not committed. Prints the time of
# each run; the first builds everything, the npm packages fetched from the registry.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    echo "clone-as-user: needs root, to run as uid 65534" >&2
    exit 2
fi
if ! setpriv --reuid=65534 --regid=65534 --clear-groups test -r "$PWD/.git"; then
    echo "clone-as-user: uid 65534 cannot read the checkout $PWD; put it where others may read it" >&2
    exit 2
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir "$scratch/home" "$scratch/clone"
chown 65534:65534 "$scratch/home" "$scratch/clone"

# As the user, with the environment a login of its own would have: no compiler cache of
# root's, no settings from root's home.
as_user() {
    setpriv --reuid=65534 --regid=65534 --clear-groups \
        env -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_C_COMPILER_LAUNCHER -u CCACHE_DIR \
        -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
        HOME="$scratch/home" USER=nobody LOGNAME=nobody "$@"
}
# Git refuses a repository of another user's unless told it is safe; the home is the test's.
for folder in "$(git rev-parse --show-toplevel)" "$(git rev-parse --absolute-git-dir)" \
    "$(cd "$(git rev-parse --git-common-dir)" && pwd)"; do
    as_user git config --global --add safe.directory "$folder"
done
as_user git clone --quiet "$PWD" "$scratch/clone"

cd "$scratch/clone"
for run in first second; do
    start=$SECONDS
    as_user scripts/web.sh build
    echo "clone-as-user: the $run web build as uid 65534 took $((SECONDS - start)) s"
done
as_user scripts/check-build-folder.sh
echo "clone-as-user: both web builds and the build folder check pass as uid 65534"
