#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only those missing.
#   --packaging   also the tools that build and check the Debian package (package.sh)
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libgl1-mesa-dev
  libjpeg62-turbo-dev libsndfile1-dev libsamplerate0-dev
  libgtest-dev googletest libgmock-dev
  clang libclang-rt-14-dev  # the fuzz targets (libFuzzer) and the sanitizer runtimes
)
case "${1:-}" in
  "") ;;
  --packaging)
    # dpkg-shlibdeps, lintian, and the validators of the desktop entry and the AppStream file.
    packages+=(dpkg-dev lintian desktop-file-utils appstream)
    ;;
  *) echo "usage: $0 [--packaging]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
