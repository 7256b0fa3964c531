#!/usr/bin/env bash
# Measures print times report by report through the test printers (see setup-test-printer.sh):
# the print job, the time until the CUPS PDF printer has written the file, and the PDF output.
# Usage: scripts/measure-print-times.sh [rounds]   (as root; builds into build/, or $BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-test-printer.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target measure_print_times >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/measure_print_times" "${1:-3}"
