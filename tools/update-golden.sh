#!/usr/bin/env bash
# Rewrites the expected outputs and exit statuses of the golden tests
# (tests/cli/*.test, and the expected files their cases compare) from what the
# command line prints now. Review the result with `git diff` before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${TALLYRIX6_BUILD_DIR:-build}
cmake --build "$build_dir" --target golden_runner tallyrix6-cli
for test_file in tests/cli/*.test; do
  "$build_dir/tests/bin/golden_runner" "$build_dir/bin/tallyrix6-cli" "$test_file" --update
done
git status --short tests/cli tests/data
