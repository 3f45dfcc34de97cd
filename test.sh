#!/usr/bin/env bash
# Builds Drafnova and runs every test: installs what it needs; runs the
# checks (static analysis, the benchmarks in their quick mode, each fuzz target
# for 20 seconds), any of which stops the script when it fails; then builds and
# tests the debug configuration and the sanitizer configuration on Linux, and
# last the Windows build, whose tests run under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
drafnova_install "${DRAFNOVA_BUILD_PACKAGES[@]}" "${DRAFNOVA_TEST_PACKAGES[@]}" \
    "${DRAFNOVA_CHECK_PACKAGES[@]}" "${DRAFNOVA_WINDOWS_PACKAGES[@]}"
drafnova_japanese_locale

jobs=$(nproc)

echo "== static analysis"
cmake --preset linux-debug >/dev/null
tools/static_analysis.sh build/linux-debug
echo "== benchmarks (quick mode)"
tools/run_benchmarks.sh --quick
echo "== fuzzing"
tools/run_fuzz.sh 20

for preset in linux-debug linux-asan; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

echo "== windows"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
# The window's tests need a display; Wine takes code page 932 from the locale.
# The window test saves a picture of the window where DRAFNOVA_SCREENSHOT says;
# the printer tests must find the printer queue of their own print server.
shot=build/windows/window.bmp
rm -f "$shot"
status=0
DRAFNOVA_SCREENSHOT="$PWD/$shot" DRAFNOVA_REQUIRE_PRINTER=1 LC_ALL=ja_JP.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows -j "$jobs" || status=$?
# The picture goes beside the build (docs/window.png is its committed copy);
# nothing is printed after CTest's summary.
if [ -s "$shot" ]; then
    python3 tools/bmp_to_png.py "$shot" build/windows/window.png >/dev/null
fi
exit $status
