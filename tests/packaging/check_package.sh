#!/usr/bin/env bash
# Packs the program of a build folder into a Debian package with the project's own CPack set-up,
# in a scratch folder, and runs lintian on it: no error and no warning may remain (lintian's
# notice that it runs as root is no tag and does not count). Exits 77, which ctest reports as
# skipped, where lintian is not installed.
#   check_package.sh <cpack> <build folder> <scratch folder>
set -euo pipefail
cpack=$1
build_dir=$2
work_dir=$3

if ! command -v lintian >/dev/null; then
    echo "lintian is not installed (scripts/setup installs it): the package is not checked"
    exit 77
fi

rm -rf "$work_dir"
mkdir -p "$work_dir"
if ! "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work_dir" \
        >"$work_dir/cpack.log" 2>&1; then
    cat "$work_dir/cpack.log"
    exit 1
fi
debs=("$work_dir"/*.deb)
echo "lintian ${debs[*]}"
lintian --fail-on error,warning --display-info --pedantic "${debs[@]}"
