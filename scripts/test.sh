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
ctest --output-on-failure --parallel "$(nproc)" "$@"
