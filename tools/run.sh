#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tallyrix6 on the sample year.
# Without a display the program runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
build_dir=${TALLYRIX6_BUILD_DIR:-build}
# A copy of the sample year in the build folder, so saving never touches the repository.
sample="$build_dir/sample.exv"
[[ -f "$sample" ]] || cp examples/sample.exv "$sample"
args=("$sample")
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$build_dir/bin/tallyrix6" "${args[@]}"
fi
exec "$build_dir/bin/tallyrix6" "${args[@]}"
