#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs, builds and starts Quenbrook in the folder of the bundled sample pictures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/samples"
exec "$root/build/src/app/quenbrook" "$@"
