#!/usr/bin/env bash
# Installs, builds and runs every test. Extra arguments go to ctest (for example -L core).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
