#!/usr/bin/env bash
# Installs, through apt, whatever the build and the tests need and this
# machine lacks. Quick when everything is there already.
set -euo pipefail

packages=(cmake ninja-build g++ mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
          wine wine32:i386 wine64 xvfb xauth x11-utils fonts-liberation fonts-wine imagemagick
          libgtest-dev libgmock-dev googletest libbenchmark-dev clang clang-format-14 libclang-rt-14-dev
          cups printer-driver-cups-pdf poppler-utils libcups2:i386 fp-utils p7zip-full)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root (or install these packages): ${missing[*]}" >&2
    exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
release=()
if ! apt-get update -q; then
    # A list that failed to refresh (a mirror caught mid-sync) leaves the two
    # architectures' lists at different versions, which multiarch packages
    # cannot mix: take both from the release's own lists instead.
    release=(-t "$(. /etc/os-release && echo "$VERSION_CODENAME")")
    echo "Some package lists could not be refreshed; installing from ${release[1]}" >&2
fi
apt-get install -y -q --no-install-recommends "${release[@]}" "${missing[@]}"
