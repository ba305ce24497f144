#!/usr/bin/env bash
# Installs what is missing, builds Orbelan and starts it with the arguments given, read from
# the folder the script was started in.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

"$top/scripts/check-build-folder.sh"
"$top/scripts/install-deps.sh" run
# The tests come with their toolchain (scripts/test.sh); until GoogleTest is there, the
# window is configured without them.
tests=OFF
[ "$(dpkg-query -W -f='${db:Status-Status} ' libgtest-dev libgmock-dev 2>/dev/null)" != \
    "installed installed " ] || tests=ON
(cd "$top" && cmake --preset default -DORBELAN_TESTS=$tests &&
    cmake --build --preset default --target orbelan)
# The program named as the user can start it from here, since its hint without a display
# repeats the name: relative below this folder, else absolute.
program=$(realpath --relative-to=. "$top/build/default/src/app/orbelan")
case $program in
../*) program=$top/build/default/src/app/orbelan ;;
esac
exec "$program" "$@"
