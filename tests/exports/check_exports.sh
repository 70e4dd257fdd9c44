#!/usr/bin/env bash
# A vessel module exports exactly its four entry points, under plain C names.
set -euo pipefail
expected=$'GetModuleVersion\nInitModule\novcExit\novcInit'
status=0
for module in "$@"; do
  exports="$(nm -D --defined-only "$module" | awk '$2 ~ /^[TtWwVvDdBbRr]$/ {print $3}' | sort)"
  if [ "$exports" != "$expected" ]; then
    echo "$module exports:"; echo "$exports"; echo "expected:"; echo "$expected"
    status=1
  else
    echo "$module: the four entry points and nothing else"
  fi
done
exit $status
