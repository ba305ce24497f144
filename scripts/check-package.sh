#!/usr/bin/env bash
# Builds the Debian package twice and checks that both are the same to the byte, checks it
# with lintian, installs it on this machine and tries the installed programs as a user would:
# the versions, orbelan-cli on an installed example, the plan file type, and the window
# opening a plan on a virtual display. Then removes the package again. Needs root (or sudo)
# for the install; CI runs it after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh check-package
scripts/package.sh
deb=$(ls build/package/orbelan_*.deb)
first_build=$(sha256sum <"$deb")
# The second build finds the files it installs newer, as a build made later would make them
# (the programs, the icons and the compressed pages; objects untouched, so nothing is
# compiled again): only SOURCE_DATE_EPOCH keeps the build's time out of the package.
find build/package/src build/package/data -type f \( -name orbelan -o -name orbelan-cli \
    -o -name '*.png' -o -name '*.gz' \) -exec touch {} +
scripts/package.sh
if [ "$(sha256sum <"$deb")" != "$first_build" ]; then
    echo "check-package: two builds of the same tree gave different packages" >&2
    exit 1
fi
echo "check-package: two builds gave the same package, sha256 ${first_build%% *}"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
version=$(dpkg-deb -f "$deb" Version)

# Lintian errors fail the check; the warnings accepted are listed in README.md.
lintian --fail-on error "$deb"

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb"
scratch=$(mktemp -d)
trap '"${sudo[@]}" apt-get remove -y -q orbelan; rm -rf "$scratch"' EXIT

expect() {
    if [ "$2" != "$3" ]; then
        echo "check-package: $1: expected '$3', got '$2'" >&2
        exit 1
    fi
    echo "check-package: $1: $2"
}

expect "orbelan --version" "$(env -u DISPLAY orbelan --version)" "Orbelan $version"
expect "orbelan-cli --version" "$(orbelan-cli --version)" "orbelan-cli $version"
example=/usr/share/orbelan/examples/retirement-example.Orbe
expect "orbelan-cli project, last row" "$(orbelan-cli project --csv "$example" | tail -n 1)" \
    "2005,2,42,42,-608"

cp "$example" "$scratch/plan.Orbe"
# A renamed plan is known by its first line.
cp "$example" "$scratch/renamed-plan"
for file in plan.Orbe renamed-plan; do
    expect "xdg-mime query filetype $file" "$(xdg-mime query filetype "$scratch/$file")" \
        "application/x-orbelan-plan"
done

# The installed program opens the plan on a virtual display with the title it always had;
# a settings folder of its own keeps any plan used before from coming back instead.
XDG_CONFIG_HOME="$scratch/config" xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    orbelan "$1" &
    program=$!
    status=0
    timeout 30 xdotool search --sync --name "^plan\.Orbe - Orbelan$" >/dev/null || status=$?
    kill "$program"
    wait "$program" || true
    exit "$status"' check-window "$scratch/plan.Orbe"
echo "check-package: the window titled 'plan.Orbe - Orbelan' came up"

"${sudo[@]}" apt-get remove -y -q orbelan
trap 'rm -rf "$scratch"' EXIT
if command -v orbelan >/dev/null; then
    echo "check-package: orbelan is still installed after its removal" >&2
    exit 1
fi
echo "check-package: all checks passed"
