#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when some are missing; packages named
# as arguments are needed too (scripts/fuzz.sh asks for clang and its fuzzing runtime).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libhidapi-dev libusb-1.0-0-dev libusb-dev libmbedtls-dev zlib1g-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  libcurl4-openssl-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 usbutils kmod
  fonts-dejavu-core fonts-droid-fallback fonts-nanum # every interface language's letters, Korean too
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
