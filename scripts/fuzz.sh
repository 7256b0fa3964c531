#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang and libFuzzer into build-fuzz/ and runs each for the
# given number of seconds (default 60), one after another on one core. Prints each target's
# executions and findings; a finding (the input that broke a property or crashed) is kept in
# build-fuzz/findings/<target>/, and the exit status is 1 when there is any. The inputs found worth
# keeping grow in build-fuzz/corpus/<target>/, beside the seeds in fuzz/corpus/<target>/.
# Needs the Debian packages clang and libclang-rt-dev (libFuzzer).
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."

targets=(fuzz_tvl_file fuzz_numeric_reading fuzz_section_stress)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DFUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}" >/dev/null

found_any=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=build-fuzz/corpus/$name
  findings=build-fuzz/findings/$name
  log=build-fuzz/$target.log
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  build-fuzz/"$target" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1 || true
  executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  found=$(find "$findings" -type f | wc -l)
  echo "$target: ${executions:-?} executions in $seconds s, $found findings"
  if [ "$found" -gt 0 ]; then
    found_any=1
    find "$findings" -type f | sed 's/^/  /'
  fi
done
exit "$found_any"
