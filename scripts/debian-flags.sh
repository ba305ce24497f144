# Sourced by scripts/package.sh and scripts/test.sh: Debian's build flags, as dpkg-buildflags
# gives them to a package build (every hardening feature on), exported as CXXFLAGS and LDFLAGS.
# CMake reads them when a build folder is configured afresh; the presets that use them
# (`package`, `distribution`) leave the optimisation level to them. Run from the top of the
# checkout, which the flags' -ffile-prefix-map then hides from the binaries.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
