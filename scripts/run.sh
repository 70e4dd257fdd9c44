#!/usr/bin/env bash
# Sets up, builds and runs the default scenario, saving its end state under out/: in a window when
# there is a display, headless otherwise or with --headless.
# Extra arguments go to the program (a scenario file, --time, --save, ...).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/setup.sh"
dir="$(bash "$here/build.sh" release | tail -n 1)"
mode=()
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [[ " $* " != *" --headless "* ]] && [[ " $* " != *" --window "* ]]; then
  mode=(--window)
fi
exec "$dir/bin/corvex" "${mode[@]}" "$@"
