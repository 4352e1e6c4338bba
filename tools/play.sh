#!/bin/sh
# Installs what is missing, builds the game and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/install-deps.sh play
cmake -S . -B build -G Ninja -DTAVOLK_BUILD_TESTS=OFF -DTAVOLK_BUILD_BENCHMARKS=OFF
cmake --build build --target Tavolk
exec ./build/Tavolk
