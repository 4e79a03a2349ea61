#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# the whole test suite headless.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/test"

"$root/scripts/install-packages.sh" --tests
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVERHOLM_WERROR=ON >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
