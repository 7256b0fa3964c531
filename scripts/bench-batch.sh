#!/usr/bin/env bash
# Times `tavrel --batch` on 1000 rows: the worked example with B, H, T1 to T3 and H1 varied, over a
# base file with member data (D13 × 5, cover 3 cm, every member). Prints the medians of the whole
# process for the results as CSV, as CSV with 自動配筋 (--design), as CSV and .xlsx, and as the
# printed list (PDF), each against its target; the same CSV run on one core for the speed-up from the second; and what each further row
# costs in memory beyond its output (the yardstick bench/batch_memory on 1000 and 10000 rows).
# Exits 1 when a target is missed. Other work on the machine slows every figure: the load average
# is printed with them.
# Usage: bash scripts/bench-batch.sh [runs]   (default 9; builds into build/, or $BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target tavrel batch_memory >/dev/null
tavrel=$build/tavrel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The base: the worked example with its member check, in CP932 as Tavrel saves it.
{
  printf '"0.1","0.15","0.15","0.1","1.0","0.5","1.0"\r\n"90","30","18","0","10","20"\r\n"9.8","24.0"\r\n"100"\r\n'
  printf '"1.0","1.15","0.5","18","9","20"\r\n"1.3","0.3"\r\n"1.1"\r\n'
  printf '"TavrelExtension","1"\r\n"section","members","1","6"\r\n'
  for member in 'ケース.1 側壁' 'ケース.1 底版' 'ケース.2 側壁' 'ケース.2 底版' 'ケース.3 側壁' 'ケース.3 底版'; do
    printf '"%s","D13","本数","5","","","","","3"\r\n' "$member" | iconv -f UTF-8 -t CP932
  done
} > "$work/base.tvl"

# Tables of n rows: B and H from 0.6 to 1.5 m, the walls and slab 8 to 12 cm and 13 to 17 cm thick,
# the outer water from a twentieth of H to its whole height.
table() {
  awk -v n="$1" 'BEGIN {
    print "名称,B,H,T1,T2,T3,H1"
    for (i = 1; i <= n; i++) {
      B = 0.6 + 0.1 * (i % 10); H = 0.6 + 0.1 * (int(i / 10) % 10)
      T1 = 0.08 + 0.01 * (i % 5); T3 = 0.13 + 0.01 * (i % 5)
      printf "F%d,%.2f,%.2f,%.2f,%.2f,%.2f,%.3f\n", i, B, H, T1, T1 + 0.05, T3, H * (0.05 + 0.95 * (i % 7) / 6)
    }
  }'
}
table 1000 > "$work/rows1000.csv"
table 10000 > "$work/rows10000.csv"

run() { "$tavrel" --batch "$work/rows1000.csv" --base "$work/base.tvl" "$@" > /dev/null 2>&1 || [ $? -eq 1 ]; }
# The CSV run on the first core alone: the thread pool takes as many threads as the process has cores.
run_one_core() { taskset -c 0 "$tavrel" --batch "$work/rows1000.csv" --base "$work/base.tvl" --out "$work/r1.csv" > /dev/null 2>&1 || [ $? -eq 1 ]; }
TIMEFORMAT='%3R %3U %3S'
# Medians in milliseconds of runs of the arguments: "wall CPU" (CPU is user and system time, of all
# threads together).
median() {
  local times=()
  for _ in $(seq 1 "$runs"); do
    times+=("$( { time "$@" ; } 2>&1 )")
  done
  local wall cpu
  wall=$(printf '%s\n' "${times[@]}" | awk '{ print int(1000 * $1 + 0.5) }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  cpu=$(printf '%s\n' "${times[@]}" | awk '{ print int(1000 * ($2 + $3) + 0.5) }' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  echo "$wall $cpu"
}

run --out "$work/r.csv"
rows=$(($(wc -l < "$work/r.csv") - 1))
ok=$(grep -c ',OK,[^,]*$' "$work/r.csv" || true)
read -r csv csv_cpu < <(median run --out "$work/r.csv")
read -r design design_cpu < <(median run --design --out "$work/rd.csv")
read -r xlsx xlsx_cpu < <(median run --out "$work/r.csv" --out "$work/r.xlsx")
read -r pdf pdf_cpu < <(median run --out "$work/r.pdf")
read -r one_core one_core_cpu < <(median run_one_core)
cmp -s "$work/r.csv" "$work/r1.csv" || { echo "one core wrote other results" >&2; exit 1; }

read -r peak1 out1 < <("$build/bench/batch_memory" "$work/rows1000.csv" "$work/base.tvl")
read -r peak10 out10 < <("$build/bench/batch_memory" "$work/rows10000.csv" "$work/base.tvl")

echo "rows:               $rows ($ok OK overall), $runs runs each, medians of the whole process; cores $(nproc), load average $(cut -d' ' -f1 /proc/loadavg)"
echo "CSV:                wall $csv ms, CPU $csv_cpu ms (target 500 ms)"
echo "CSV, --design:      wall $design ms, CPU $design_cpu ms (target 1000 ms)"
echo "CSV and .xlsx:      wall $xlsx ms, CPU $xlsx_cpu ms (target 1500 ms)"
echo "PDF list:           wall $pdf ms, CPU $pdf_cpu ms (target 3000 ms; $(pdfinfo "$work/r.pdf" | awk '/^Pages:/ { print $2 }') pages)"
awk -v one="$one_core" -v two="$csv" -v cpu="$one_core_cpu" 'BEGIN { printf "CSV on one core:    wall %d ms, CPU %d ms; speed-up from the second core %.2f\n", one, cpu, one / two }'
awk -v p1="$peak1" -v p10="$peak10" -v o1="$out1" -v o10="$out10" 'BEGIN {
  row = ((p10 - p1) * 1024 - (o10 - o1)) / 9000
  printf "memory:             peak %d KiB at 1000 rows, %d KiB at 10000; %d bytes a row beyond its %d bytes of CSV (target 1024)\n",
         p1, p10, row, (o10 - o1) / 9000 }'
awk -v csv="$csv" -v design="$design" -v xlsx="$xlsx" -v pdf="$pdf" -v p1="$peak1" -v p10="$peak10" -v o1="$out1" -v o10="$out10" 'BEGIN {
  missed = 0
  if (csv > 500) { print "missed: CSV over 500 ms"; missed = 1 }
  if (design > 1000) { print "missed: CSV with --design over 1000 ms"; missed = 1 }
  if (xlsx > 1500) { print "missed: CSV and .xlsx over 1500 ms"; missed = 1 }
  if (pdf > 3000) { print "missed: the PDF list over 3000 ms"; missed = 1 }
  if (((p10 - p1) * 1024 - (o10 - o1)) / 9000 >= 1024) { print "missed: a row costs 1 KiB or more"; missed = 1 }
  exit missed }'
