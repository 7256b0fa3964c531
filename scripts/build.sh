#!/usr/bin/env bash
# Configures and builds (extra arguments go to CMake's configure step): into build/, or, for a
# sanitizer build (-DSANITIZE=ON), into build-sanitize/, so that neither build's settings stay in
# the other's cache.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
for argument in "$@"; do
  [ "$argument" = "-DSANITIZE=ON" ] && build=build-sanitize
done
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=OFF "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
