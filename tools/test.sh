#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh -DTALLYRIX6_WERROR=ON
build_dir=${TALLYRIX6_BUILD_DIR:-build}
ctest --test-dir "$build_dir" --output-on-failure -j 2 --timeout 600
