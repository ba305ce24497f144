#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Orbelan need,
# skipping those already present. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev       # the desktop program
    qt6-charts-dev libqt6opengl6-dev         # the projection chart (its CMake package needs Qt OpenGL)
    nlohmann-json3-dev                       # JSON output of projections
    libgtest-dev libgmock-dev                # tests
    poppler-utils                            # tests: pdftotext reads the exported report
    clang libclang-rt-14-dev                 # the fuzz harness (libFuzzer)
    libbenchmark-dev                         # benchmarks
    xvfb xauth                               # running the window without a display
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
