#!/usr/bin/env bash
# Sets up, builds and runs the game on the default scenario. Extra arguments go to the program.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup.sh"
dir="$(bash "$here/build.sh" release | tail -n 1)"
exec "$dir/bin/corvex" "$@"
