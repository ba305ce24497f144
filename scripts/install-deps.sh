#!/usr/bin/env bash
# Installs what one script needs, skipping what is already there:
#
#   scripts/install-deps.sh run            building and running the window (scripts/run.sh)
#   scripts/install-deps.sh web            building the web edition (scripts/web.sh)
#   scripts/install-deps.sh test           run, web and package, and the test toolchain (scripts/test.sh)
#   scripts/install-deps.sh package        building the Debian package (scripts/package.sh)
#   scripts/install-deps.sh check-package  the package's checks (scripts/check-package.sh)
#   scripts/install-deps.sh debian-node    only the packages named (scripts/debian-node.sh)
#
# and any Debian packages named after the purpose. Uses sudo when not run as root; without
# root or sudo it names what is missing and the command to run as root. Then checks that
# every program the scripts and the build call is there, so that a minimal Debian
# (debootstrap --variant=minbase) fails here, naming the package, rather than midway. For web
# and test, it also installs the page's npm packages at the versions of web/package-lock.json,
# so that a proxy or certificate problem with npm's registry shows now, not at the web step.
set -euo pipefail
cd "$(dirname "$0")/.."

usage="usage: scripts/install-deps.sh run|web|test|package|check-package|debian-node [PACKAGE...]"
if [ $# -eq 0 ]; then
    echo "$usage" >&2
    exit 2
fi
purpose=$1
shift

window=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev       # the desktop program
    libxcb1-dev                              # the start-up asks the X server if it answers
    libxkbcommon-dev                         # Qt Gui's CMake package looks for it (no false alarm)
    qt6-charts-dev libqt6opengl6-dev         # the projection chart (its CMake package needs Qt OpenGL)
    nlohmann-json3-dev                       # JSON output of projections
    librsvg2-bin                             # the PNG icons, drawn from the SVG at build time
    xvfb xauth                               # running the window without a display
)
web=(
    cmake ninja-build nlohmann-json3-dev
    emscripten nodejs                        # the web edition: the core in WebAssembly, its page's build
    librsvg2-bin                             # the web app's icons, drawn from the SVG at build time
)
package=(
    "${window[@]}"
    dpkg-dev                                 # the Debian package: dpkg-shlibdeps, dpkg-buildflags
    file                                     # CPack's DEB generator finds the binaries with it
)
case $purpose in
run) packages=("${window[@]}") ;;
web) packages=("${web[@]}") ;;
test)
    packages=(
        "${package[@]}" "${web[@]}"
        libgtest-dev libgmock-dev                   # tests
        poppler-utils                               # tests: pdftotext reads the exported report
        perl                                        # scripts/link-races.sh: renameat2 by syscall.ph
        strace                                      # scripts/fault-injection.sh fails system calls
        desktop-file-utils appstream libxml2-utils  # checking the installed desktop files
        clang libclang-rt-14-dev                    # the fuzz harness (libFuzzer)
        libbenchmark-dev                            # benchmarks
        chromium                                    # tests of the web edition in a headless browser
    )
    ;;
package) packages=("${package[@]}") ;;
check-package)
    # xdg-mime asks the file type from mimetype where no desktop runs; xdotool finds the
    # window by its title.
    packages=("${package[@]}" lintian xdg-utils libfile-mimeinfo-perl shared-mime-info xdotool)
    ;;
debian-node) packages=() ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
packages+=("$@")
npm_wanted=false
if [[ " ${packages[*]} " == *" nodejs "* ]]; then
    npm_wanted=true
    # npm comes with some builds of nodejs (NodeSource's, which conflict with Debian's npm);
    # Debian's own nodejs has it as a package of its own.
    command -v npm >/dev/null || packages+=(npm)
fi

# The programs that the scripts, the build and the tests call, by the package that brings
# them; each is checked when its package is in the list.
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

install_debian_packages() {
    local package missing=()
    for package in "${packages[@]}"; do
        if [[ " ${missing[*]} " != *" $package "* ]] &&
            ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -gt 0 ] || return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        # sudo -v asks for the password if it must, and fails for a user who may not use sudo.
        if ! command -v sudo >/dev/null || ! sudo -v; then
            echo "Missing Debian packages: ${missing[*]}" >&2
            echo "Run this one command as root, then run scripts/$purpose.sh again:" >&2
            echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The page's build and tests are written for Node.js 18, the version of Debian 12's nodejs;
# an older node found first on the PATH would fail on them midway.
check_node_version() {
    local version
    version=$(node --version)
    [ "$(printf '%s\n' v18 "$version" | sort -V | head -n 1)" = "$version" ] || return 0
    cat >&2 <<MESSAGE
install-deps: the web edition needs Node.js 18 or newer; $(command -v node) is $version.
Debian 12's package nodejs has Node.js 18 (as root: apt-get install nodejs); make it the node
found first on the PATH, then run scripts/$purpose.sh again.
MESSAGE
    exit 1
}

# npm ci, unless web/node_modules already holds what the lock file names; npm's cache
# lies under build/ beside emscripten's, so nothing is written into the home folder.
install_npm_packages() {
    local stamp=web/node_modules/.installed-package-lock.json
    ! cmp -s web/package-lock.json "$stamp" || return 0
    local -x npm_config_cache=$PWD/build/npm-cache
    local output
    if ! output=$(cd web && npm ping --fetch-timeout=30000 --fetch-retries=1 2>&1); then
        cat >&2 <<MESSAGE
install-deps: npm cannot reach its registry ($(npm config get registry)):
$(grep -E -m 2 "error code|reason:" <<<"$output" || head -n 5 <<<"$output")
Behind a proxy, name it to npm: npm config set https-proxy http://HOST:PORT
Behind a proxy that shows its own certificate, let Node trust that certificate:
  export NODE_EXTRA_CA_CERTS=/path/to/proxy-ca.pem   (or: npm config set cafile /path/to/proxy-ca.pem)
then run scripts/$purpose.sh again.
MESSAGE
        exit 1
    fi
    # A package whose engines exclude this Node.js fails here, not in a test.
    (cd web && npm ci --engine-strict --no-audit --no-fund --loglevel=error)
    cp web/package-lock.json "$stamp"
}

install_debian_packages
check_tools
if $npm_wanted; then
    check_node_version
    install_npm_packages
fi
