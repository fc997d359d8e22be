#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the program need
# and this machine does not have yet. Safe to run again: it installs nothing
# when everything is present. Further package names given as arguments
# (tools of one script only) are installed the same way.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql libqt6svg6 libgl-dev
  qt6-tools-dev qt6-l10n-tools
  postgresql
  fonts-noto-cjk fonts-liberation2 fontconfig qt6-translations-l10n
  libqpdf-dev poppler-utils sqlite3 libsqlite3-dev strace python3 shared-mime-info
  clang libclang-rt-14-dev
  cups printer-driver-cups-pdf
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
