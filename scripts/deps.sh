#!/usr/bin/env bash
# Installs the Debian packages Nakkas needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev libpugixml-dev libglib2.0-0 libfontconfig-dev
  fonts-liberation xvfb xauth clang-format
  clang-14 libclang-rt-14-dev
  desktop-file-utils appstream groff-base man-db dpkg-dev lintian
  default-jdk-headless kotlin aapt android-framework-res python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Eksik paketler kuruluyor: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
