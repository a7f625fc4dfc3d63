#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) into build-fuzz/ and runs each over
# its corpus in fuzz/corpus/, then for SECONDS more (default 300) looking for new failures.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# New inputs go to build-fuzz/corpus/<target>; a failing input is left as build-fuzz/crash-*:
# copy it into fuzz/corpus/<target>/ as a regression row once fixed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-300}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_pictures fuzz_photos fuzz_numbers fuzz_commandline fuzz_handoff fuzz_printsettings)

"$root/scripts/install-deps.sh"
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENBROOK_WERROR=ON \
  -DQUENBROOK_FUZZ=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# ASan keeps freed memory aside to catch its later use, 256 MB of it by default: under the limit
# below that would count as the picture's. A little is kept, and large blocks go back at once.
export ASAN_OPTIONS="quarantine_size_mb=16${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
failed=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  # Every input of the corpus, the regression rows among them, then new ones for a while.
  # A single input may take 2 s and 400 MiB at most, as a picture may in the program; inputs
  # up to 1 MiB leave room for floods of records.
  if ! (cd "$build" && "$build/fuzz/$target" -max_total_time="$seconds" -timeout=2 \
      -rss_limit_mb=400 -max_len=1048576 -print_final_stats=1 "$build/corpus/$target" \
      "$root/fuzz/corpus/$target" 2>"$build/$target.log"); then
    failed=1
    echo "$target: FAILED, see $build/$target.log"
    grep -E "FAULT|ERROR|SUMMARY|Test unit written" "$build/$target.log" | head -5 || true
    # The input itself, so that a failure seen only on another machine can be replayed here.
    artifact=$(grep -oE "Test unit written to [^ ]+" "$build/$target.log" | tail -1 | cut -d' ' -f5)
    if [ -n "$artifact" ] && [ -f "$build/$artifact" ] && [ "$(stat -c %s "$build/$artifact")" -le 65536 ]; then
      echo "input (base64): $(base64 -w0 "$build/$artifact")"
    fi
  else
    runs=$(grep -E "stat::number_of_executed_units" "$build/$target.log" | awk '{print $2}')
    echo "$target: $runs runs in ${seconds} s, nothing found"
  fi
done
exit "$failed"
