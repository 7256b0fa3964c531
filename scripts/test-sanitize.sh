#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ (warnings as
# errors) and runs every test there: a sanitizer's report ends the program that made it, so the
# test that ran it fails. A second full build beside build/, slow, so not part of CI; the README
# says how long it takes. The packages and test printers are those of scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DSANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
bash scripts/setup-test-printer.sh
cd build-sanitize
export UBSAN_OPTIONS=print_stacktrace=1  # where undefined behaviour was met
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
