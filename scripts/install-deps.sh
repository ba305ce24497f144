#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging Orbelan need,
# and any packages named as arguments, skipping those already present. Uses sudo when not
# run as root; without root or sudo it names what is missing and the command to run as root.
# Then checks that every program the scripts and the build call is there, so that a minimal
# Debian (debootstrap --variant=minbase) fails here, naming the package, rather than midway.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev       # the desktop program
    libxcb1-dev                              # the start-up asks the X server if it answers
    libxkbcommon-dev                         # Qt Gui's CMake package looks for it (no false alarm)
    qt6-charts-dev libqt6opengl6-dev         # the projection chart (its CMake package needs Qt OpenGL)
    nlohmann-json3-dev                       # JSON output of projections
    librsvg2-bin                             # the PNG icons, drawn from the SVG at build time
    libgtest-dev libgmock-dev                # tests
    poppler-utils                            # tests: pdftotext reads the exported report
    desktop-file-utils appstream libxml2-utils  # checking the installed desktop files
    clang libclang-rt-14-dev                 # the fuzz harness (libFuzzer)
    libbenchmark-dev                         # benchmarks
    xvfb xauth                               # running the window without a display
    dpkg-dev                                 # the Debian package: dpkg-shlibdeps, dpkg-buildflags
    file                                     # CPack's DEB generator finds the binaries with it
    emscripten nodejs                        # the web edition: the core in WebAssembly, its page's build
    chromium                                 # tests of the web edition in a headless browser
    "$@"
)
# npm comes with some builds of nodejs (NodeSource's, which conflict with Debian's npm);
# Debian's own nodejs has it as a package of its own.
command -v npm >/dev/null || packages+=(npm)

# The programs that the scripts, the build and the tests call, by the package that brings
# them; each is checked when its package is in the list above or among the arguments.
declare -A tool_packages=(
    [cmake]=cmake [ctest]=cmake [cpack]=cmake [ninja]=ninja-build [g++]=g++
    [pkg-config]=pkg-config [rsvg-convert]=librsvg2-bin [pdftotext]=poppler-utils
    [desktop-file-validate]=desktop-file-utils [appstreamcli]=appstream [xmllint]=libxml2-utils
    [clang++]=clang [xvfb-run]=xvfb [xauth]=xauth [dpkg-buildflags]=dpkg-dev
    [dpkg-shlibdeps]=dpkg-dev [dpkg-parsechangelog]=dpkg-dev [file]=file
    [lintian]=lintian [xdg-mime]=xdg-utils [mimetype]=libfile-mimeinfo-perl
    [update-mime-database]=shared-mime-info [xdotool]=xdotool
    [emcc]=emscripten [node]=nodejs [npm]=npm [chromium]=chromium
)

check_tools() {
    local tool absent=()
    for tool in "${!tool_packages[@]}"; do
        if [[ " ${packages[*]} " == *" ${tool_packages[$tool]} "* ]] && ! command -v "$tool" >/dev/null; then
            absent+=("$tool (Debian ${tool_packages[$tool]})")
        fi
    done
    if [ ${#absent[@]} -gt 0 ]; then
        printf 'install-deps: missing after the install: %s\n' "${absent[@]}" >&2
        exit 1
    fi
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    check_tools
    exit 0
fi

install_command="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
tell_root_command() {
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Run this one command as root, then run this script again:" >&2
    echo "  $install_command" >&2
    exit 1
}

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    # sudo -v asks for the password if it must, and fails for a user who may not use sudo.
    command -v sudo >/dev/null && sudo -v || tell_root_command
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
check_tools
