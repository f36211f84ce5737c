#!/usr/bin/env bash
# Configures and builds into build/ (or $TALLYRIX6_BUILD_DIR). Extra arguments go
# to CMake, e.g. tools/build.sh -DTALLYRIX6_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TALLYRIX6_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@"
cmake --build "$build_dir"
