#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tavrel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
bash scripts/build.sh
exec ./build/tavrel "$@"
