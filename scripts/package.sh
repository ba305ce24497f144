#!/usr/bin/env bash
# Builds the Debian package build/package/orbelan_<version>_<arch>.deb: a Release build with
# Debian's build flags (scripts/debian-flags.sh: its optimisation and hardening, no -Werror).
# Every file in the package carries the time of the last commit (SOURCE_DATE_EPOCH, unless
# already set), so that two builds of one tree give the same package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/check-build-folder.sh
scripts/install-deps.sh package

. scripts/debian-flags.sh
# Outside a git checkout (a source tarball), the date of the changelog's last entry.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -c safe.directory="$PWD" log -1 --format=%ct 2>/dev/null ||
        dpkg-parsechangelog -l data/debian/changelog -S Timestamp)
fi
export SOURCE_DATE_EPOCH
configure_with_debian_flags package
cmake --build --preset package
cpack --preset package
ls build/package/orbelan_*.deb
