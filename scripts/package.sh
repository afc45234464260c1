#!/usr/bin/env bash
# Builds the Debian package of Nakkas into dist/: a release build without tests or benchmarks,
# installed under /usr by CPack, with its library dependencies taken from the binaries.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DNAKKAS_TESTS=OFF \
  -DNAKKAS_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-package -j "${JOBS:-$(nproc)}"
mkdir -p dist
cpack --config build-package/CPackConfig.cmake -B dist
rm -rf dist/_CPack_Packages
echo "Paket hazır: $(ls dist/nakkas_*.deb)"
echo "Kurmak için: sudo apt-get install ./$(ls dist/nakkas_*.deb)"
