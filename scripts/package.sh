#!/usr/bin/env bash
# Builds the Debian package build/package/orbelan_<version>_<arch>.deb: a Release build
# with Debian's hardening flags, configured afresh so that the flags always apply.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake --preset package --fresh
cmake --build --preset package
cpack --preset package
ls build/package/orbelan_*.deb
