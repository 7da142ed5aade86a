#!/usr/bin/env bash
# Builds the project and runs the demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/demo "$@"
