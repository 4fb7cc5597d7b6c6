#!/usr/bin/env bash
# Installs what is missing, builds, and starts Veltrane.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$ROOT/scripts/setup.sh"
BUILD="${VELTRANE_BUILD_DIR:-$ROOT/build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: start a desktop session (or run under xvfb-run) and try again." >&2
  exit 1
fi
exec "$BUILD/app/veltrane" "$@"
