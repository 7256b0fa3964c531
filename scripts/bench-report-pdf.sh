#!/usr/bin/env bash
# Times `tavrel --pdf` on the worked example (five report pages) against pdf_reference_pages, a
# minimal Qt program that writes the same words in the same faces and sizes at the same places
# on five A4 pages (read back from Tavrel's PDF with pdftohtml), without any of the reports' code,
# and finishes its PDF with the programs' own finishing step (title, /Lang, a bookmark a page), as
# every PDF the programs write is finished.
# The two alternate, several runs each; prints the medians of wall and CPU time, their ratios, and
# the sizes of both PDFs. Exits 1 when the wall-time ratio misses its target (at most 1.30).
# Usage: bash scripts/bench-report-pdf.sh [runs]   (default 20; builds into build/, or $BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target tavrel pdf_reference_pages >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The worked example: page 1 to Case 3 in one file, every report printable.
printf '"0.1","0.15","0.15","0.1","1.0","0.5","1.0"\r\n"90","30","18","0","10","20"\r\n"9.8","24.0"\r\n"100"\r\n"1.0","1.15","0.5","18","9","20"\r\n"1.3","0.3"\r\n"1.1"\r\n' \
  > "$work/worked.tvl"
report=("$build/tavrel" --pdf "$work/report.pdf" "$work/worked.tvl")
"${report[@]}" > /dev/null 2>&1
pdftohtml -xml -i -q -stdout -zoom 1 "$work/report.pdf" > "$work/words.xml"
reference=("$build/bench/pdf_reference_pages" "$work/reference.pdf" "$work/words.xml")
"${reference[@]}" > /dev/null 2>&1

# One line a run: wall, user and system seconds.
TIMEFORMAT='%3R %3U %3S'
for _ in $(seq 1 "$runs"); do
  { time "${report[@]}" > /dev/null 2>&1; } 2>> "$work/report.times"
  { time "${reference[@]}" > /dev/null 2>&1; } 2>> "$work/reference.times"
done

# Median in milliseconds of wall (column 1) or CPU (user + system) time.
median() {
  awk -v cpu="$2" '{ print 1000 * (cpu ? $2 + $3 : $1) }' "$1" | sort -n |
    awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
report_wall=$(median "$work/report.times" 0)
report_cpu=$(median "$work/report.times" 1)
reference_wall=$(median "$work/reference.times" 0)
reference_cpu=$(median "$work/reference.times" 1)
pages=$(pdfinfo "$work/report.pdf" | awk '/^Pages:/ { print $2 }')
echo "runs each:            $runs, alternating (medians; load average now $(cut -d' ' -f1 /proc/loadavg))"
echo "tavrel --pdf:         wall $report_wall ms, CPU $report_cpu ms; $pages pages, $(stat -c %s "$work/report.pdf") bytes"
echo "pdf_reference_pages:  wall $reference_wall ms, CPU $reference_cpu ms; the same words, $(stat -c %s "$work/reference.pdf") bytes"
target=1.30
awk -v a="$report_wall" -v b="$reference_wall" -v c="$report_cpu" -v d="$reference_cpu" -v t="$target" \
  'BEGIN { printf "ratio:                wall %.2f, CPU %.2f (target at most %.2f)\n", a / b, c / d, t
           if (a / b > t) { print "missed: the wall-time ratio is above its target"; exit 1 } }'
