#!/usr/bin/env bash
# Builds everything and runs the whole test suite (the command CI runs).
# Usage: scripts/test.sh [default|asan|tsan|windows-x86]
# The default run also cross-builds skerrow, fennick and Tapwire as 32-bit Windows DLLs
# against the real Windows SDK (preset windows-x86) and checks what they export and
# import; windows-x86 alone runs only that part.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
scripts/install-deps.sh

# Chained with && so that it also stops at the first failure inside a condition.
build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1"
}

windows_build() {
  echo "== Windows build and DLL check (preset windows-x86)"
  if ! { build windows-x86 && ctest --preset windows-x86; }; then
    echo "FAILED: the Windows build (preset windows-x86): the IE-side code does not build" \
      "against the real Windows SDK, or a DLL's exports or imports are wrong (see above)." >&2
    exit 1
  fi
}

if [ "$preset" = windows-x86 ]; then
  windows_build
  exit 0
fi
build "$preset"
if [ "$preset" = default ]; then
  windows_build
fi
ctest --preset "$preset"
