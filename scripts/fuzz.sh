#!/usr/bin/env bash
# Builds the scenario reader's fuzz target with clang and runs it for a bounded time (default 60 s).
# New inputs go to build-fuzz/corpus; the committed seeds in tests/fuzz/corpus stay as they are.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
dir="$root/build-fuzz"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCORVEX_BUILD_FUZZ=ON -DCORVEX_BUILD_TESTS=OFF -DCORVEX_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target scenario_reader_fuzz >&2
mkdir -p "$dir/corpus" "$dir/crashes"
"$dir/bin/scenario_reader_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -dict="$root/tests/fuzz/scenario.dict" -artifact_prefix="$dir/crashes/" -print_final_stats=1 \
  "$dir/corpus" "$root/tests/fuzz/corpus"
echo "fuzz: 1 passed, 0 failed"
