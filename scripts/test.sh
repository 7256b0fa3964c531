#!/usr/bin/env bash
# Installs what is missing, builds (a compiler warning fails the build), sets up the test printers,
# and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
bash scripts/setup-test-printer.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
