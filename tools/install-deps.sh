#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build
  qt6-base-dev qt6-translations-l10n
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont fonts-ipaexfont
  xvfb xauth
  poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$package")
  fi
done

if (( ${#missing[@]} == 0 )); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
