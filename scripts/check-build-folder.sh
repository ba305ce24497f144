#!/usr/bin/env bash
# Stops, naming the fix, when this user cannot write a folder that the build makes, as when a
# build run as root left it behind: CMake would only say that it cannot open a file for
# write, npm that it may not remove web/node_modules (EACCES).
set -euo pipefail
cd "$(dirname "$0")/.."

user=$(id -un)
status=0
for folder in build web/node_modules; do
    [ -e "$folder" ] || continue
    # The folder and the folders in it, where CMake's caches and npm's packages lie; what
    # lies deeper was made with them. Links are the user's to replace, not to write through:
    # emscripten's cache under build/ links to the system's, which nobody but root writes.
    blocked=$(find -P "$folder" -maxdepth 2 ! -type l \( ! -writable -o -type d ! -executable \) \
        -print -quit 2>/dev/null || true)
    [ -n "$blocked" ] || continue
    if [ "$(stat -c %u "$blocked")" = "$(id -u)" ]; then
        cat >&2 <<MESSAGE
This user ($user) cannot write $blocked, which is this user's own but has the mode
$(stat -c %A "$blocked"). Make the folder writable again:
  chmod -R u+rwX $PWD/$folder
or remove it (it is made again): rm -rf $PWD/$folder
MESSAGE
    else
        cat >&2 <<MESSAGE
This user ($user) cannot write $blocked, which belongs to $(stat -c %U "$blocked"),
probably from a build run as that user. Give the folder to $user, as root:
  chown -R $user: $PWD/$folder
or remove it (it is made again): rm -rf $PWD/$folder
MESSAGE
    fi
    status=1
done
exit "$status"
