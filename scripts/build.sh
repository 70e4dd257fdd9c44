#!/usr/bin/env bash
# Configures and builds one configuration: "release" (default) or "sanitize" (ASan + UBSan).
# Prints the build directory on its last line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
config="${1:-release}"
case "$config" in
  release)  dir="$root/build";          flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) dir="$root/build-sanitize"; flags=(-DCMAKE_BUILD_TYPE=Debug -DCORVEX_SANITIZE=ON -DCORVEX_BUILD_BENCH=OFF) ;;
  *) echo "build.sh: unknown configuration '$config' (release or sanitize)" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" >&2
echo "$dir"
