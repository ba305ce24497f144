# Sourced by scripts/package.sh and scripts/test.sh. configure_with_debian_flags PRESET
# configures a CMake preset with Debian's build flags, as dpkg-buildflags gives them to a
# package build (every hardening feature on); the presets that use it (`package`,
# `distribution`) leave the optimisation level to them. The flags are given as cache values,
# so they replace whatever an earlier configure of the folder kept, and a folder built with
# the same flags is not built again. Run from the top of the checkout, which the flags'
# -ffile-prefix-map then keeps out of the binaries.
configure_with_debian_flags() {
    local -x DEB_BUILD_MAINT_OPTIONS=hardening=+all
    local cxxflags ldflags
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    cmake --preset "$1" -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
}
