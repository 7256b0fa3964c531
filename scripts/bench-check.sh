#!/usr/bin/env bash
# Times `tavrel --check`: one run over 1000 generated .tvl files (plain and JSON output), 100 runs
# of one file each (the cost of starting the program), and opening a 50 MiB file of random bytes.
# Usage: bash scripts/bench-check.sh [path/to/tavrel]   (default: build/tavrel, built first if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
tavrel=${1:-build/tavrel}
if [ ! -x "$tavrel" ]; then
  bash scripts/build.sh
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 1000 sections: wall height, allowable bearing, friction angle and Case 2 depth vary, so some
# files stop with a message on the way and most run through Case 3.
awk -v dir="$work" 'BEGIN {
  for (i = 1; i <= 1000; i++) {
    f = sprintf("%s/section%04d.tvl", dir, i)
    H = sprintf("%.1f", 1.0 + (i % 10) * 0.1)
    qa = 15 + (i % 90)
    delta = sprintf("%.2f", 20 + (i % 7) * 0.5)
    h2 = sprintf("%.2f", 0.5 + (i % 6) * 0.1)
    printf "\"0.1\",\"0.15\",\"0.15\",\"0.1\",\"%s\",\"0.5\",\"1.0\"\r\n", H > f
    printf "\"90\",\"30\",\"18\",\"0\",\"10\",\"%s\"\r\n", delta > f
    printf "\"9.8\",\"24.0\"\r\n\"%d\"\r\n", qa > f
    printf "\"1.0\",\"1.15\",\"0.5\",\"18\",\"9\",\"20\"\r\n\"1.3\",\"0.3\"\r\n\"%s\"\r\n", h2 > f
    close(f)
  }
}'
head -c $((50 * 1024 * 1024)) /dev/urandom > "$work/random.tvl"

now() { date +%s%N; }
ms() { echo $(( ($2 - $1) / 1000000 )); }

status=0
t0=$(now); "$tavrel" --check "$work"/section*.tvl > "$work/plain.txt" || status=$?; t1=$(now)
"$tavrel" --check --json "$work"/section*.tvl > "$work/json.txt" || true; t2=$(now)
for i in $(seq 1 100); do
  "$tavrel" --check --json "$work/section$(printf %04d "$i").tvl" > /dev/null || true
done
t3=$(now)
"$tavrel" --check --json "$work/random.tvl" > /dev/null || true; t4=$(now)

passed=$(grep -c '"messages":\[\]' "$work/json.txt" || true)
echo "files:                      1000 ($passed through Case 3 without a message; exit status $status)"
echo "one run, plain output:      $(ms "$t0" "$t1") ms ($(( (t1 - t0) / 1000000 )) µs a file)"
echo "one run, JSON output:       $(ms "$t1" "$t2") ms ($(( (t2 - t1) / 1000000 )) µs a file)"
echo "100 runs of one file each:  $(ms "$t2" "$t3") ms ($(( $(ms "$t2" "$t3") / 100 )) ms a run)"
echo "50 MiB of random bytes:     $(ms "$t3" "$t4") ms (one run)"
