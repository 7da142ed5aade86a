#!/usr/bin/env bash
# Builds the default preset and runs the Google Benchmark programs (the stand-ins'
# per-call costs, the engine's walk, the element scan, the skerrow finders and the
# cost of recording a click), then prints the ratios of calls carried from another
# thread to the same work on the browser thread, with the calls carried per element.
# Usage: scripts/bench.sh [benchmark-name ...]   (all when none is given)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
export PLATFORM_TIME_SCALE="${PLATFORM_TIME_SCALE:-0.01}"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  names=(win32_bench com_benchmarks engine_benchmark mshtml_benchmark skerrow_finder_benchmark skerrow_record_benchmark marbleck_benchmarks marbleck_playback_benchmarks)
fi
results="$(mktemp)"
trap 'rm -f "$results"' EXIT
for name in "${names[@]}"; do
  echo "== $name"
  # The browser benchmarks write their trace file where they run.
  (cd build && "bin/$name") | tee -a "$results"
done
if grep -q ' ratio=' "$results"; then
  echo "== carried from another thread / the same work on the browser thread"
  grep ' ratio=' "$results" | awk '{ line = $1; for (i = 2; i <= NF; ++i) if ($i ~ /^(ratio|calls_per_element|in_thread_ms|carried_ms|java_ms)=/) line = line " " $i; print line }'
fi
