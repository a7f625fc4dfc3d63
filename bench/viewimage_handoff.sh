#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# A /ViewImage of a 24-megapixel JPEG handed to the running program: the time from the start of
# the second start to the Image Viewer showing the picture (its caption is set as the rows in view
# are put on the screen), the time until the rest of it is decoded too (the running program's
# processor time stops growing), and the processor time the running program spent on it, against
# one full decode of the same file by djpeg. Then how long a second hand-off (a small icon) waits
# while the big picture loads: the window thread answers it. Wall times follow the machine's load;
# the processor times much less so.
# Runs its own X server (Xvfb) with a settings folder of its own.
#   bench/viewimage_handoff.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
rounds="${2:-3}"
app="$build/src/app/quenbrook"
[ -x "$app" ] || { echo "no $app: build first (scripts/build.sh)" >&2; exit 1; }
for tool in Xvfb xdotool xev xprop stdbuf djpeg convert /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

picture="${TMPDIR:-/tmp}/quenbrook-bench-24mp.jpg"
[ -s "$picture" ] || convert -size 6000x4000 -seed 1 plasma:fractal -quality 90 "$picture"
small="$root/samples/star.ico"

work="$(mktemp -d)"
display=":$((90 + $$ % 100))"
cleanup() {
  [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
  [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/run" DISPLAY="$display" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

# Processor time (user and system) of a process so far, in seconds.
cpu_of() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$1/stat"; }

best="" best_cpu=""
for _ in 1 2 3; do
  start=$(now)
  /usr/bin/time -f "%U %S" -o "$work/djpeg.time" djpeg "$picture" >/dev/null
  took=$(seconds "$start" "$(now)")
  cpu=$(awk '{ printf "%.2f", $1 + $2 }' "$work/djpeg.time")
  if [ -z "$best" ] || awk -v a="$took" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$took; fi
  if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
    best_cpu=$cpu
  fi
done
printf "%-52s %6s s, processor %s s\n" "djpeg, one full decode (best of 3)" "$best" "$best_cpu"

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
(cd "$work" && exec "$app") >"$work/program.log" 2>&1 &
program=$!
for _ in $(seq 20); do
  xdotool search --name "^Album (Viewer|Printer)$" >/dev/null 2>&1 && break
  sleep 0.5
done
xdotool search --name "^Album (Viewer|Printer)$" >/dev/null 2>&1 || {
  echo "the program shows no window:" >&2
  xdotool search --name . getwindowname %@ >&2 || true
  cat "$work/program.log" >&2
  exit 1
}

# Waits, without polling, for the next window mapped on the screen to take the picture's path as
# its name; xev reads the window's mapping and xprop its name as the X server reports them.
# Call watch_map before the hand-off and wait_named after.
watch_map() {
  rm -f "$work/maps"
  mkfifo "$work/maps"
  stdbuf -oL xev -root -event substructure >"$work/maps" 2>/dev/null &
  mapper=$!
  exec 3<"$work/maps"
}
wait_named() {
  local line id=""
  while [ -z "$id" ] && read -r line <&3; do
    [[ $line == MapNotify* ]] || continue
    read -r line <&3
    id=$(sed -n 's/.*window \(0x[0-9a-f]*\).*/\1/p' <<<"$line")
  done
  exec 3<&-
  kill "$mapper" 2>/dev/null || true
  rm -f "$work/names"
  mkfifo "$work/names"
  stdbuf -oL xprop -id "$id" -spy WM_NAME >"$work/names" 2>/dev/null &
  local namer=$!
  while read -r line; do
    [[ $line == *"\"$picture\""* ]] && break
  done <"$work/names"
  kill "$namer" 2>/dev/null || true
}

sleep 2 # the program settles after its first start
for round in $(seq 1 "$rounds"); do
  cpu_before=$(cpu_of "$program")
  watch_map
  start=$(now)
  "$app" /ViewImage "$picture" >/dev/null 2>&1
  handed=$(now)
  wait_named
  shown=$(now)
  # The rest decodes after the picture is shown: done when the processor time has not grown for
  # a fifth of a second.
  whole=$shown last=$(cpu_of "$program") still=0
  while [ "$still" -lt 20 ]; do
    sleep 0.01
    cpu=$(cpu_of "$program")
    if [ "$cpu" = "$last" ]; then still=$((still + 1)); else still=0 last=$cpu whole=$(now); fi
  done
  sleep 0.5 # anything left over, such as painting, is counted too
  printf "%-52s %6s s (hand-off returned after %s s, whole after %s s), processor %s s\n" \
    "round $round: /ViewImage to the picture shown" "$(seconds "$start" "$shown")" \
    "$(seconds "$start" "$handed")" "$(seconds "$start" "$whole")" \
    "$(seconds "$cpu_before" "$(cpu_of "$program")")"
done

# A second start while the big picture loads.
"$app" /ViewImage "$picture" >/dev/null 2>&1 &
first=$!
sleep 0.3
start=$(now)
"$app" /ViewImage "$small" >/dev/null 2>&1
printf "%-52s %6s s\n" "a later hand-off while the big picture loads" "$(seconds "$start" "$(now)")"
wait "$first"
