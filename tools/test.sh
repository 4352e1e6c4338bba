#!/bin/sh
# Installs what is missing, builds everything and runs every test. No display
# is needed: window tests use Qt's offscreen platform.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh test
cmake -S . -B build -G Ninja -DTAVOLK_BUILD_TESTS=ON -DTAVOLK_BUILD_BENCHMARKS=ON
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
