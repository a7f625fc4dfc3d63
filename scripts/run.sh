#!/usr/bin/env bash
# Installs, builds and starts Quenbrook on the bundled sample pictures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
exec "$root/build/src/quenbrook" "$root/samples" "$@"
