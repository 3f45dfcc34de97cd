#!/usr/bin/env bash
# Builds Drafnova and runs every test: installs what it needs, then builds and
# tests the debug configuration and the sanitizer configuration.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
drafnova_install "${DRAFNOVA_BUILD_PACKAGES[@]}" "${DRAFNOVA_TEST_PACKAGES[@]}"

jobs=$(nproc)
for preset in linux-debug linux-asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
