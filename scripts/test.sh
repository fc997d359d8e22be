#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_tree "$root/build/test" -DAPPRAISAL_SANITIZE=ON
# Qt and fontconfig keep caches alive until exit; leaks there are not ours.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1"
cd "$root/build/test"
status=0
ctest --output-on-failure --parallel "$(nproc)" "$@" || status=$?
# Test functions skipped inside a test program that otherwise passed are
# named here, so that a skip is never read as a pass.
skipped=$(grep -h '^SKIP   : ' Testing/Temporary/LastTest*.log 2>/dev/null | sort -u || true)
# Each fuzz target runs briefly on the clang build (build/fuzz) after a run
# of the whole suite; without clang the runs are skipped, and said so.
if [ $# -gt 0 ]; then
  echo "Fuzz targets not run: only some tests were asked for."
elif command -v clang++ >/dev/null; then
  echo "Fuzz targets, 20 s each:"
  "$root/scripts/fuzz.sh" 20 || status=1
else
  skipped+=$'\nSKIP   : fuzz targets: clang++ is not installed'
fi
if [ -n "$skipped" ]; then
  echo "Skipped test functions:"
  printf '%s\n' "$skipped"
fi
exit "$status"
