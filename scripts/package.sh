#!/usr/bin/env bash
# Builds a Release tree in build/release and makes the Debian package
# build/package/house-appraisal_VERSION_ARCH.deb from its install rules, then
# shows what is in it and checks the desktop entry and the AppStream
# metadata. Installs what it needs with apt-get (nothing when present).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"
out="$root/build/package"

# The packaging tools: dpkg-shlibdeps (dpkg-dev) and file for CPack, the
# desktop entry and AppStream validators.
"$root/scripts/install-deps.sh" dpkg-dev file desktop-file-utils appstream

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAPPRAISAL_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
deb="$(ls "$out"/house-appraisal_*.deb)"

echo "== Contents"
dpkg-deb -c "$deb"
echo "== Control"
dpkg-deb -I "$deb"

check="$(mktemp -d)"
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check"
echo "== desktop-file-validate"
desktop-file-validate "$check/usr/share/applications/house-appraisal.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net --explain "$check"/usr/share/metainfo/*.metainfo.xml

echo
echo "$deb"
