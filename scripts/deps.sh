#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the program need, if missing.
# clang-format is pinned to one major version: another version formats the same tree differently.
set -euo pipefail
packages=(
  build-essential cmake pkg-config git python3 clang-format-14 dpkg-dev
  libxml2-dev libxml2-utils libjpeg-dev uuid-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-translations-l10n
  poppler-utils
  fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
