#!/usr/bin/env bash
# Times 自動配筋 (the search for the six members' bars) on the worked example and on a thin flume
# (T1, T2, T3 7 cm: most arrangements fail, two members have none and the least 総厚 is searched),
# each against checking every arrangement of the lists once through the member check. Prints the
# arrangements chosen and the least time of several rounds; exits 1 when the six members take more
# than 5 ms or the search more than twice the time of checking every arrangement once.
# Usage: bash scripts/bench-design.sh [rounds]   (default 50; builds into build/, or $BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-50}
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target design_yardstick >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A flume with the worked example's page 1 to Case 3 and walls and slab of T metres, and the member
# section with D13 × 5 and cover 3 cm for each member, in CP932 as Tavrel saves it.
flume() {
  printf '"%s","%s","%s","0.1","1.0","0.5","1.0"\r\n"90","30","18","0","10","20"\r\n"9.8","24.0"\r\n"100"\r\n' "$1" "$1" "$1"
  printf '"1.0","1.15","0.5","18","9","20"\r\n"1.3","0.3"\r\n"1.1"\r\n'
  printf '"TavrelExtension","1"\r\n"section","members","1","6"\r\n'
  for member in 'ケース.1 側壁' 'ケース.1 底版' 'ケース.2 側壁' 'ケース.2 底版' 'ケース.3 側壁' 'ケース.3 底版'; do
    printf '"%s","D13","本数","5","","","","","3"\r\n' "$member" | iconv -f UTF-8 -t CP932
  done
}
{
  printf '"0.1","0.15","0.15","0.1","1.0","0.5","1.0"\r\n' # the worked example's own shape
  flume 0.1 | tail -n +2
} > "$work/worked.tvl"
flume 0.07 > "$work/thin.tvl"

echo "rounds: $rounds (least time of each; load average now $(cut -d' ' -f1 /proc/loadavg))"
missed=0
for name in worked thin; do
  echo "$name:"
  "$build/bench/design_yardstick" "$work/$name.tvl" "$rounds" | tee "$work/$name.out"
  awk '/^search, six members:/ { search = $4 } /^every arrangement once:/ { every = $4 }
       END { bad = 0
             if (search > 5000) { print "missed: the six members take more than 5 ms"; bad = 1 }
             if (search > 2 * every) { print "missed: the search takes more than twice checking every arrangement once"; bad = 1 }
             exit bad }' "$work/$name.out" || missed=1
done
exit "$missed"
