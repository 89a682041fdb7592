#!/usr/bin/env bash
# Installs the Debian packages Lomarin builds and tests with, when any is missing.
# Quiet and quick when everything is already there; works as root or through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang
  qt6-base-dev qt6-multimedia-dev
  liblzo2-dev libjpeg62-turbo-dev libthai-dev libicu-dev
  fonts-thai-tlwg hunspell-th
  libgtest-dev libbenchmark-dev xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Missing packages (${missing[*]}) and neither root nor sudo to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
