#!/usr/bin/env bash
# Builds the parts without Qt (the rules, the engine, the analysis, nordamo-analyse, the tools and
# the tests of these) for arm64 with Debian's cross compiler, warnings as errors, and runs the
# tests, but the slow ones and the whole openings (many minutes emulated), under qemu-user: the
# engine's portable way of reading lines, the one an arm64 processor runs. GoogleTest is built for
# arm64 first, from the sources Debian ships in /usr/src/googletest. Installs what it needs with
# scripts/setup.sh arm64.
#   scripts/arm64_check.sh [FOLDER]     (default: build-arm64)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$repo/build-arm64}")
bash "$repo/scripts/setup.sh" arm64
jobs=$(nproc)
# The emulator finds arm64's C and C++ libraries where the cross compiler's packages put them.
export QEMU_LD_PREFIX=/usr/aarch64-linux-gnu
cross=(-DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 -DCMAKE_BUILD_TYPE=Release
       -DCMAKE_C_COMPILER=aarch64-linux-gnu-gcc -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++)

cmake -S /usr/src/googletest -B "$out/googletest" "${cross[@]}" -DCMAKE_INSTALL_PREFIX="$out/googletest-arm64" >/dev/null
cmake --build "$out/googletest" -j "$jobs" >/dev/null
cmake --install "$out/googletest" >/dev/null

start=$(date +%s)
cmake -S "$repo" -B "$out/nordamo" "${cross[@]}" -DNORDAMO_QT=OFF -DNORDAMO_BENCHMARKS=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR=qemu-aarch64 \
  -DCMAKE_FIND_ROOT_PATH="$out/googletest-arm64" -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY >/dev/null
cmake --build "$out/nordamo" -j "$jobs"
built=$(date +%s)
ctest --test-dir "$out/nordamo" -j "$jobs" -LE "slow|openings" --output-on-failure
echo "arm64: built in $((built - start)) s, tested under qemu-aarch64 in $(($(date +%s) - built)) s"
