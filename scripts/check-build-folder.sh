#!/usr/bin/env bash
# Stops, naming the fix, when this user cannot write the build folder, as when a build run as
# root left it behind: CMake would only say that it cannot open a file for write.
set -euo pipefail
cd "$(dirname "$0")/.."

[ -e build ] || exit 0
# The folders and the caches in them; what lies deeper was made with them.
blocked=$(find build -maxdepth 2 ! -writable -print -quit 2>/dev/null || true)
[ -n "$blocked" ] || exit 0
user=$(id -un)
cat >&2 <<MESSAGE
This user ($user) cannot write $blocked, which belongs to $(stat -c %U "$blocked"),
probably from a build run as root. Give the build folder to $user, as root:
  chown -R $user: $PWD/build
or remove it (it is made again): rm -rf $PWD/build
MESSAGE
exit 1
