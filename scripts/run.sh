#!/usr/bin/env bash
# Builds Nakkas and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target nakkas nakkas-cli
exec build/bin/nakkas "$@"
