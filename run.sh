#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Zod on the given proposal
# (by default the bundled sample).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
source "$ROOT/tools/setup.sh"
install_packages
configure_and_build build -DZOD_TESTS=OFF -DZOD_BENCH=OFF
file=${1:-}
if [ -z "$file" ] && [ -f "$ROOT/samples/sample.tvb" ]; then
  file="$ROOT/samples/sample.tvb"
fi
exec "$ROOT/build/app/zod" ${file:+"$file"}
