#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang and libFuzzer into build-fuzz/ and runs each for the
# given number of seconds (default 60), one after another on one core. Prints each target's
# executions and findings; a finding (the input that broke a property or crashed) is kept in
# build-fuzz/findings/<target>/. The inputs found worth keeping grow in build-fuzz/corpus/<target>/,
# beside the seeds in fuzz/corpus/<target>/.
# Prints for each target the time it really ran and why it stopped. Exit status 1 when a target does
# not build, does not run (no executions), ends with an error, leaves a finding or stops before its
# time; 0 only when every target ran clean for the whole time.
# Needs the Debian packages clang and libclang-rt-dev (libFuzzer).
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."

targets=(fuzz_tvl_file fuzz_numeric_reading fuzz_section_stress fuzz_file_names)
mkdir -p build-fuzz
if ! { CC=clang CXX=clang++ cmake -S . -B build-fuzz -DFUZZ=ON -DBUILD_TESTING=OFF &&
       cmake --build build-fuzz -j2 --target "${targets[@]}"; } >build-fuzz/build.log 2>&1; then
  tail -n 30 build-fuzz/build.log
  echo "the fuzz targets did not build; see build-fuzz/build.log"
  exit 1
fi

failed=0
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  corpus=build-fuzz/corpus/$name
  findings=build-fuzz/findings/$name
  log=build-fuzz/$target.log
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/")
  [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
  status=0
  started=$(date +%s)
  build-fuzz/"$target" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  ran=$(($(date +%s) - started))
  executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  # Findings of this run only; those of earlier runs stay until removed.
  found=$(find "$findings" -type f -newermt "@$started" | wc -l)
  if [ -z "$executions" ] || [ "$executions" -eq 0 ]; then
    echo "$target: did not run (exit status $status); see $log"
    tail -n 5 "$log" | sed 's/^/  /'
    failed=1
    continue
  fi
  # Why it stopped: its whole time, or the first line that tells what it found.
  if [ "$status" -eq 0 ] && [ "$found" -eq 0 ] && [ "$ran" -ge "$seconds" ]; then
    reason="ran its full time"
  else
    reason=$(grep -m1 -E 'property failed|runtime error|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|deadly signal|out-of-memory|timeout' "$log" ||
             echo "stopped after $ran of $seconds s")
  fi
  echo "$target: $executions executions in $ran s, $found findings, exit status $status: $reason"
  if [ "$found" -gt 0 ] || [ "$status" -ne 0 ] || [ "$ran" -lt "$seconds" ]; then
    failed=1
    find "$findings" -type f -newermt "@$started" | sed 's/^/  /'
  fi
done
exit "$failed"
