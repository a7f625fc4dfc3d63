#!/usr/bin/env bash
# Installs, builds and starts Quenbrook in the folder of the bundled sample pictures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/samples"
exec "$root/build/src/app/quenbrook" "$@"
