#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tarvonel6 need.
# Only missing packages are installed; the package lists are refreshed first.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n fonts-liberation2
  xvfb xdotool x11-utils hyperfine libx11-dev time clang-14 libclang-rt-14-dev valgrind
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installation de : ${missing[*]}" >&2
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
