#!/usr/bin/env bash
# Sets up, builds and runs the default scenario headless, saving its end state under out/.
# Extra arguments go to the program (a scenario file, --time, --save, ...).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup.sh"
dir="$(bash "$here/build.sh" release | tail -n 1)"
exec "$dir/bin/corvex" "$@"
