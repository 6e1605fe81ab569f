#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the program need.
# Idempotent: does nothing when everything is present; otherwise one apt-get update, then install.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format
  # Qt 6 (widgets, multimedia for the alarm sound)
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  gstreamer1.0-plugins-good
  # HTTP client, local HTTP server for tests and the sample market
  libcurl4-openssl-dev libcpp-httplib-dev
  # spreadsheet export
  libxlsxwriter-dev
  # benchmarks
  libbenchmark-dev python3
  # Chinese text on screen, virtual display for screenshots and GUI runs
  fonts-wqy-microhei xvfb xauth
  # Unihan readings for the pinyin table generator
  unicode-data
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "deps: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
