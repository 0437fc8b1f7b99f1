#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Quick and silent when everything is there.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev python3
  fonts-ipafont-gothic fonts-ipafont-mincho
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  libmecab-dev mecab-ipadic-utf8
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
)
# Callers may name more packages they need (scripts/package.sh does).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
