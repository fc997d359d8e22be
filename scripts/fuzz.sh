#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build/fuzz) and runs each in turn
# for SECONDS seconds (default 60), starting from the seed corpora the build
# writes. Findings are left in build/fuzz/findings/<target>/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds="${1:-60}"
"$root/scripts/install-deps.sh"
dir="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DAPPRAISAL_FUZZ=ON -DAPPRAISAL_TESTS=OFF >/dev/null
cmake --build "$dir" --target fuzz_targets --parallel "$(nproc)"

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for name in template pagefile ini componenttable hadfile; do
  corpus="$dir/corpus/$name" findings="$dir/findings/$name"
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$findings/")
  if [ -f "$root/fuzz/$name.dict" ]; then
    options+=(-dict="$root/fuzz/$name.dict")
  fi
  log="$dir/fuzz_$name.log"
  if "$dir/bin/fuzz_$name" "${options[@]}" "$corpus" "$dir/fuzz/seeds/$name" >"$log" 2>&1; then
    echo "fuzz_$name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions in ${seconds} s, no crash"
  else
    echo "fuzz_$name: FAILED; see $log and $findings"
    status=1
  fi
done
exit "$status"
