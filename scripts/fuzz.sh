#!/usr/bin/env bash
# Runs the plan file fuzz harness for the given number of seconds (default 60)
# on a scratch copy of its seed corpus, so the seeds in the tree stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/seeds/* "$corpus/"
build/fuzz/fuzz/plan_reader_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$corpus/" "$corpus"
