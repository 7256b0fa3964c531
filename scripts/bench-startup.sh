#!/usr/bin/env bash
# Times the start of each program's window: from the start of the process to its first window
# mapped on the screen, under Xvfb with openbox, against startup_reference_window, a bare Qt
# Widgets window built with the project, once empty and once with one line of Japanese words in
# the programs' face. Every window of ours shows Japanese words, and the font configuration, the
# face and its shaping that they need are Qt's work, not ours: the ratios are judged against the
# window with words, and printed against the empty one too. The four take turns, several runs each,
# after one start of each to warm the caches; a map is seen by xev on the root window. Prints the
# medians and the ratios; exits 1 when a ratio misses its target (at most 1.10 for both).
# Usage: bash scripts/bench-startup.sh [runs]   (default 20; builds into build/, or $BUILD_DIR)
# Needs Xvfb, openbox and xev (Debian packages xvfb, openbox, x11-utils).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target tavrel morvik startup_reference_window >/dev/null
work=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and says which once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> /dev/null &
started+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
openbox > /dev/null 2>&1 &
started+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done

# Each program alone: its own runtime folder (Tavrel's single-instance lock) and settings.
mkdir -m 700 "$work/runtime" "$work/config"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
unset QT_QPA_PLATFORM

# Every window mapped at the top of the screen (openbox maps a frame for each) becomes one line
# holding the time it was seen.
mkfifo "$work/events" "$work/maps"
stdbuf -oL xev -root -event substructure > "$work/events" &
started+=($!)
while IFS= read -r line; do
  [[ $line == MapNotify* ]] && echo "$EPOCHREALTIME"
done < "$work/events" > "$work/maps" &
started+=($!)
exec 4< "$work/maps"

# Starts the program, waits for its window's map, ends it; appends the milliseconds to $1.
time_to_window() {
  local times=$1 mapped
  shift
  while read -r -t 0.2 _ <&4; do :; done  # a map left from an earlier start
  local start=$EPOCHREALTIME
  "$@" > /dev/null 2>&1 &
  local pid=$!
  if ! read -r -t 20 mapped <&4; then
    echo "no window from: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 2
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v a="$start" -v b="$mapped" 'BEGIN { printf "%.1f\n", 1000 * (b - a) }' >> "$times"
}

launcher=("$build/tavrel")
morvik=("$build/file/morvik")
empty=("$build/bench/startup_reference_window")
reference=("$build/bench/startup_reference_window" --text)
for program in launcher morvik reference empty; do
  declare -n command=$program
  time_to_window "$work/warm-up" "${command[@]}"
done
for _ in $(seq 1 "$runs"); do
  time_to_window "$work/reference.times" "${reference[@]}"
  time_to_window "$work/launcher.times" "${launcher[@]}"
  time_to_window "$work/empty.times" "${empty[@]}"
  time_to_window "$work/morvik.times" "${morvik[@]}"
done

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
reference_ms=$(median "$work/reference.times")
empty_ms=$(median "$work/empty.times")
launcher_ms=$(median "$work/launcher.times")
morvik_ms=$(median "$work/morvik.times")
echo "runs each:                 $runs, taking turns (medians; load average now $(cut -d' ' -f1 /proc/loadavg))"
echo "startup_reference_window:  $empty_ms ms to its window, empty"
echo "                           $reference_ms ms with one line of Japanese words (--text)"
echo "tavrel (launcher):         $launcher_ms ms"
echo "morvik:                    $morvik_ms ms"
target=1.10
awk -v l="$launcher_ms" -v m="$morvik_ms" -v r="$reference_ms" -v e="$empty_ms" -v t="$target" \
  'BEGIN { printf "ratio to the empty window:  launcher %.2f, morvik %.2f\n", l / e, m / e
           printf "ratio to the window with words: launcher %.2f, morvik %.2f (target at most %.2f)\n", l / r, m / r, t
           if (l / r > t || m / r > t) { print "missed: a ratio is above its target"; exit 1 } }'
