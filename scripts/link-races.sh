#!/usr/bin/env bash
# Races another user, uid 65534, who swaps parts of a path in a sticky world-writable folder
# between a link to root's private folder and something real, against root's orbelan-cli save
# and report into that path, RACES times (730 unless given). Each race draws one of three
# swaps, kept up as fast as the other user can while the command runs:
#   folder  shared/exports, a folder of the path: a link to the private folder <-> a real folder
#   last    shared/plan.Orbe, the last part: a link to a private file <-> a real file
#   appear  shared/plan.Orbe: a link to a private file <-> nothing, where root may create
# and counts the races that changed anything in the private folder: redirections, expected 0.
# Prints its seed; ORBELAN_RACE_SEED=SEED draws the same races again. Needs root, the default
# build, setpriv and perl (with its syscall.ph, for renameat2).
#
#   scripts/link-races.sh [RACES [BUILD_DIR]]
#
# Ends with "link-races: N races (F folder, L last, A appear), W written, R refused,
# X redirected" and exits non-zero when there is any redirection.
set -euo pipefail
cd "$(dirname "$0")/.."

races=${1:-730}
build=${2:-build/default}
cli=$PWD/$build/src/cli/orbelan-cli
if [ "$(id -u)" -ne 0 ]; then
    echo "link-races: needs root, whom the links of another user must not redirect" >&2
    exit 2
fi
if [ ! -x "$cli" ]; then
    echo "link-races: no $cli; build the default preset first" >&2
    exit 2
fi
seed=${ORBELAN_RACE_SEED:-$(od -An -N2 -tu2 /dev/urandom | tr -d ' ')}
echo "link-races: seed $seed"
RANDOM=$seed

work=$(mktemp -d)
swapper=
stop_swapper() {
    if [ -n "$swapper" ]; then
        kill "$swapper" 2> /dev/null || true
        wait "$swapper" 2> /dev/null || true
        swapper=
    fi
}
trap 'stop_swapper; rm -rf "$work"' EXIT
chmod 755 "$work"
private=$work/private
shared=$work/shared
mkdir -m 700 "$private"
mkdir "$shared"
chmod 1777 "$shared"
cp examples/retirement-example.Orbe "$private/victim.Orbe"
head -c 4096 /dev/urandom > "$private/victim.pdf"
snapshot() { (cd "$private" && ls -la --time-style=full-iso . && md5sum ./*); }
before=$(snapshot)

# The other user's swaps, until killed: renameat2 with RENAME_EXCHANGE swaps two names at
# once, so the path is never missing while it turns.
swap() {
    # shellcheck disable=SC2016 # the variables are Perl's
    setpriv --reuid=65534 --regid=65534 --clear-groups perl -e '
        require "syscall.ph";
        my ($folder, $how, $name, $other) = @ARGV;
        chdir $folder or die "$folder: $!";
        while (1) {
            if ($how eq "appear") {
                symlink($other, $name);
                unlink($name);
            } else {
                syscall(&SYS_renameat2, -100, $name, -100, $other, 2);
            }
        }' "$@" &
    swapper=$!
}

folder=0 last=0 appear=0 written=0 refused=0 redirected=0
for ((race = 0; race < races; ++race)); do
    what=$((RANDOM % 3))
    command=$((RANDOM % 2))
    find "$shared" -mindepth 1 -delete
    if [ "$command" -eq 0 ]; then
        name=plan.Orbe victim=victim.Orbe
    else
        name=report.pdf victim=victim.pdf
    fi
    case $what in
    0)
        folder=$((folder + 1))
        setpriv --reuid=65534 --regid=65534 --clear-groups sh -c \
            "ln -s '$private' '$shared/exports' && mkdir -m 777 '$shared/exports.real'"
        swap "$shared" exchange exports exports.real
        out=$shared/exports/$name
        ;;
    1)
        last=$((last + 1))
        setpriv --reuid=65534 --regid=65534 --clear-groups sh -c \
            "ln -s '$private/$victim' '$shared/$name' && : > '$shared/$name.real'"
        swap "$shared" exchange "$name" "$name.real"
        out=$shared/$name
        ;;
    2)
        appear=$((appear + 1))
        swap "$shared" appear "$name" "$private/$victim"
        out=$shared/$name
        ;;
    esac
    # A moment for the swaps to get going, drawn from the seed.
    sleep "$(printf '0.%06d' $((RANDOM % 3000)))"
    if [ "$command" -eq 0 ]; then
        run=("$cli" save examples/retirement-example.Orbe "$out")
    else
        run=("$cli" report examples/retirement-example.Orbe "$out")
    fi
    if "${run[@]}" > /dev/null 2>&1; then
        written=$((written + 1))
    else
        refused=$((refused + 1))
    fi
    stop_swapper
    after=$(snapshot)
    if [ "$after" != "$before" ]; then
        redirected=$((redirected + 1))
        echo "link-races: race $race (${run[1]}, swap $what) changed the private folder:" >&2
        diff <(echo "$before") <(echo "$after") >&2 || true
        find "$private" -mindepth 1 -delete
        cp examples/retirement-example.Orbe "$private/victim.Orbe"
        head -c 4096 /dev/urandom > "$private/victim.pdf"
        before=$(snapshot)
    fi
done
echo "link-races: $races races ($folder folder, $last last, $appear appear)," \
    "$written written, $refused refused, $redirected redirected"
[ "$redirected" -eq 0 ]
