#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing.
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libgumbo-dev fonts-liberation2
  xvfb xauth poppler-utils
  libpoppler-cpp-dev
  xdotool imagemagick
  dpkg-dev desktop-file-utils shared-mime-info
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "Faltam pacotes do Debian; instale-os como root:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Instalando: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
