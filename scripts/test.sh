#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs, builds and runs every test, twice: as the machine is set, then under a locale that
# writes a decimal comma, where stored numbers and the dialogs must still use the point. Extra
# arguments go to both ctest runs (for example -L core).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
LC_ALL=de_DE.UTF-8 ctest --output-on-failure --parallel "$(nproc)" "$@"
