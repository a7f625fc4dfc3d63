#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# quenbrook-album against its peers on 20 noisy 12-megapixel JPEGs (3.4 MB or so, like camera
# files), made once in the temporary folder: the same files decoded at the scale 300 ppi needs
# (djpeg -scale 1/4, one after another), and ImageMagick's montage making 3 x 4 contact sheets.
# Then quenbrook-album on 200 of them, to show its memory does not grow with the album.
# Prints wall time, CPU time (user and system), peak memory and output size side by side, and
# the album's time against the djpeg loop now and in the previous release (bench/NOTES.md).
#   bench/album_vs_peers.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
album="$build/src/cli/quenbrook-album"
[ -x "$album" ] || { echo "no $album: build first (scripts/build.sh)" >&2; exit 1; }
for tool in djpeg montage /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/install-deps.sh" >&2; exit 1; }
done

pictures="${TMPDIR:-/tmp}/quenbrook-bench-noisy"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
mkdir -p "$pictures"
for i in $(seq -w 1 20); do
  f="$pictures/photo$i.jpg"
  [ -s "$f" ] || convert -size 4000x3000 -seed "$i" plasma:fractal -attenuate 0.2 \
    +noise Gaussian -quality 90 "$f"
done
twenty=("$pictures"/photo*.jpg)
twohundred=()
for round in $(seq 1 10); do twohundred+=("${twenty[@]}"); done

# The album's settings are the defaults: an empty settings folder.
export XDG_CONFIG_HOME="$out/config"

measure() { # name output command...
  local name="$1" output="$2"
  shift 2
  /usr/bin/time -v -o "$out/time" "$@" >/dev/null 2>"$out/err" || {
    echo "$name failed:" >&2
    cat "$out/err" >&2
    exit 1
  }
  local wall cpu peak size
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {n=split($2,t,":"); s=0; for(i=1;i<=n;i++) s=s*60+t[i]; print s}' "$out/time")
  cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {print s}' "$out/time")
  peak=$(awk -F': ' '/Maximum resident set size/ {printf "%.0f", $2/1024}' "$out/time")
  size="-"
  if [ -n "$output" ]; then
    size=$(du -cb $output | tail -1 | awk '{printf "%.1f MB", $1/1e6}')
  fi
  printf "%-44s %8.2f s %8.2f s %8s MiB %10s\n" "$name" "$wall" "$cpu" "$peak" "$size"
  echo "$wall" >"$out/$(echo "$name" | tr -c 'a-zA-Z0-9\n' _).wall"
}

printf "%-44s %10s %10s %12s %10s\n" "" "wall" "cpu" "peak" "output"
measure "quenbrook-album, 20 pictures" "$out/album20.pdf" \
  "$album" --quiet -o "$out/album20.pdf" "${twenty[@]}"
measure "quenbrook-album, 200 pictures" "$out/album200.pdf" \
  "$album" --quiet -o "$out/album200.pdf" "${twohundred[@]}"
measure "djpeg -scale 1/4, 20 pictures" "" \
  bash -c 'for f in "$@"; do djpeg -scale 1/4 "$f" >/dev/null; done' djpeg "${twenty[@]}"
measure "montage 3x4 sheets, 20 pictures" "$out/montage*.jpg" \
  montage -define jpeg:size=1200x1200 "${twenty[@]}" -tile 3x4 -geometry 600x600+10+10 \
  "$out/montage.jpg" # ImageMagick's policy here forbids writing PDF

album=$(cat "$out/quenbrook_album__20_pictures.wall")
djpeg=$(cat "$out/djpeg__scale_1_4__20_pictures.wall")
montage=$(cat "$out/montage_3x4_sheets__20_pictures.wall")
# The previous release's figures, measured the same way: "previous <album s> <djpeg loop s>".
read -r _ before_album before_djpeg < <(grep -m1 '^previous ' "$root/bench/NOTES.md")
awk -v a="$album" -v d="$djpeg" -v m="$montage" -v pa="$before_album" -v pd="$before_djpeg" \
  -v cores="$(nproc)" 'BEGIN {
  printf "\nquenbrook-album takes %.2fx the time of the djpeg loop on %d cores (target: at most 0.6x)\n", a / d, cores
  printf "the previous release took %.2fx (%.2f s against %.2f s)\n", pa / pd, pa, pd
  printf "montage takes %.1fx the time of quenbrook-album (target: at least 12x)\n", m / a
}'
