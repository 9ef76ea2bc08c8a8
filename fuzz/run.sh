#!/usr/bin/env bash
# Runs a libFuzzer binary for a number of seconds on a working copy of the seed corpus.
set -euo pipefail
binary=$1
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/corpus/* "$work"/
"$binary" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$work" 2>&1 | tail -n 15
