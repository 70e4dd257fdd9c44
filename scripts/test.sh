#!/usr/bin/env bash
# Sets up, builds and runs every test of one configuration: "release" (default) or "sanitize".
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup.sh"
dir="$(bash "$here/build.sh" "${1:-release}" | tail -n 1)"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
