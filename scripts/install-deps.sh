#!/usr/bin/env bash
# Installs the Debian packages Lirvane needs to build, test and run.
# Idempotent, and silent when everything is already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libcurl4-openssl-dev libpcre2-dev
  qt6-base-dev fonts-wqy-microhei
  libgtest-dev libbenchmark-dev python3
  xvfb xauth
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev
  python3-pyatspi at-spi2-core dbus-x11
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
