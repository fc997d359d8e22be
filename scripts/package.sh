#!/usr/bin/env bash
# Builds the program with Debian's own compiler and linker flags (optimised,
# with every hardening feature: _FORTIFY_SOURCE, stack protector, relro and
# bind-now) in build/release, makes the Debian package
# build/package/house-appraisal_VERSION_ARCH.deb from its install rules, shows
# what is in it, and checks it: lintian must report no error and no warning,
# and the desktop entry and the AppStream metadata must validate. Installs
# what it needs with apt-get (nothing when present).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"
out="$root/build/package"

# The packaging tools: dpkg-buildflags and dpkg-shlibdeps (dpkg-dev) and file
# for CPack, lintian, the desktop entry and AppStream validators.
"$root/scripts/install-deps.sh" dpkg-dev file lintian desktop-file-utils appstream

# The flags a Debian package build uses (as debhelper would pass them), with
# all hardening on. CMake reads no CPPFLAGS: they go with the compiler flags.
# The build type None adds nothing of its own to them.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DAPPRAISAL_TESTS=OFF >/dev/null
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

echo "== lintian"
lintian -EvIL +pedantic --fail-on error,warning "$deb"

check="$(mktemp -d)"
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check"
echo "== desktop-file-validate"
desktop-file-validate "$check/usr/share/applications/house-appraisal.desktop"
echo "== appstreamcli validate"
appstreamcli validate --pedantic --no-net --explain "$check"/usr/share/metainfo/*.metainfo.xml

echo
echo "$deb"
