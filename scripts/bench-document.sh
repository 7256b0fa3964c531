#!/usr/bin/env bash
# Times `tavrel --document` (the structural calculation document: cover, contents, design conditions,
# the reports and the member check) on the worked example with member data against `tavrel --pdf`
# (the five report pages) on the worked example. Builds once, then the two alternate, several runs
# each; prints the medians of wall and CPU time, their ratio and the sizes of both PDFs. Exits 1 when the document takes more than 1.5 times the reports' wall
# time or is larger than 150 KB (150 000 bytes).
# Usage: bash scripts/bench-document.sh [runs]   (default 20; builds into build/, or $BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target tavrel >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The worked example: page 1 to Case 3 in one file, every report printable; then the same with the
# member check (D13 × 5, cover 3 cm, for each member) and 計算書の設定, in CP932 as Tavrel saves it.
printf '"0.1","0.15","0.15","0.1","1.0","0.5","1.0"\r\n"90","30","18","0","10","20"\r\n"9.8","24.0"\r\n"100"\r\n"1.0","1.15","0.5","18","9","20"\r\n"1.3","0.3"\r\n"1.1"\r\n' \
  > "$work/worked.tvl"
{
  cat "$work/worked.tvl"
  printf '"TavrelExtension","1"\r\n"section","members","1","6"\r\n'
  for member in 'ケース.1 側壁' 'ケース.1 底版' 'ケース.2 側壁' 'ケース.2 底版' 'ケース.3 側壁' 'ケース.3 底版'; do
    printf '"%s","D13","本数","5","","","","","3"\r\n' "$member" | iconv -f UTF-8 -t CP932
  done
  printf '"section","document","1","1"\r\n"%s","%s","%s","%s","%s","","%s",""\r\n' \
    '○○地区用水路改修工事' '○○幹線用水路' '○○県○○農林事務所' '△△設計株式会社' '山田太郎' '土地改良事業計画設計基準 設計「水路工」' |
    iconv -f UTF-8 -t CP932
} > "$work/members.tvl"
document=("$build/tavrel" --document "$work/document.pdf" "$work/members.tvl")
reports=("$build/tavrel" --pdf "$work/reports.pdf" "$work/worked.tvl")
"${document[@]}" > /dev/null 2>&1
"${reports[@]}" > /dev/null 2>&1
if [[ $(pdftotext -l 2 "$work/document.pdf" -) != *部材の応力度照査*[1-9]* ]]; then
  echo "the document has no member check: $work/members.tvl was not read as written" >&2
  exit 1
fi

# One line a run: wall, user and system seconds.
TIMEFORMAT='%3R %3U %3S'
for _ in $(seq 1 "$runs"); do
  { time "${document[@]}" > /dev/null 2>&1; } 2>> "$work/document.times"
  { time "${reports[@]}" > /dev/null 2>&1; } 2>> "$work/reports.times"
done

# Median in milliseconds of wall (column 1) or CPU (user + system) time.
median() {
  awk -v cpu="$2" '{ print 1000 * (cpu ? $2 + $3 : $1) }' "$1" | sort -n |
    awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }
document_wall=$(median "$work/document.times" 0)
document_cpu=$(median "$work/document.times" 1)
reports_wall=$(median "$work/reports.times" 0)
reports_cpu=$(median "$work/reports.times" 1)
document_bytes=$(stat -c %s "$work/document.pdf")
echo "runs each:          $runs, alternating (medians; load average now $(cut -d' ' -f1 /proc/loadavg))"
echo "tavrel --document:  wall $document_wall ms, CPU $document_cpu ms; $(pages "$work/document.pdf") pages, $document_bytes bytes"
echo "tavrel --pdf:       wall $reports_wall ms, CPU $reports_cpu ms; $(pages "$work/reports.pdf") pages, $(stat -c %s "$work/reports.pdf") bytes"
awk -v a="$document_wall" -v b="$reports_wall" -v c="$document_cpu" -v d="$reports_cpu" -v size="$document_bytes" \
  'BEGIN { printf "ratio:              wall %.2f, CPU %.2f (target at most 1.50); size target at most 150000 bytes\n", a / b, c / d
           missed = 0
           if (a / b > 1.5) { print "missed: the document takes more than 1.5 times the reports"; missed = 1 }
           if (size > 150000) { print "missed: the document is larger than 150 KB"; missed = 1 }
           exit missed }'
