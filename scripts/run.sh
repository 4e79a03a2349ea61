#!/usr/bin/env bash
# Installs what is missing, builds the program, creates a demo database on the
# first run and starts the program on it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"

"$root/scripts/install-packages.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERHOLM_BUILD_TESTS=OFF -DVERHOLM_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target verholm

program="$build/bin/verholm"
database="$build/bin/Verholm.db"
if [ ! -f "$database" ]; then
  "$program" --create-database "$database" --demo
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: Verholm is a windowed program."
  echo "Start it in a graphical session, or under a virtual display:"
  echo "  xvfb-run -a $root/scripts/run.sh"
  exit 2
fi
exec "$program" "$@"
