#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: when everything is present it does nothing and needs no network.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libqt6sql6-sqlite libqt6svg6
  libsqlite3-dev libsodium-dev libcurl4-openssl-dev libpugixml-dev
  libxlsxwriter-dev libzip-dev
  fonts-dejavu-core
)
if [ "${1:-}" = "--tests" ]; then
  # The tests run headless; xauth and xvfb serve the GUI checks that need a real X server.
  packages+=(xvfb xauth python3 ca-certificates)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
