#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$ROOT/scripts/setup.sh"
BUILD="${VELTRANE_BUILD_DIR:-$ROOT/build}"
cd "$BUILD"
LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2
