#!/usr/bin/env bash
# Builds the fuzz targets (the "fuzz" preset: clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for SECONDS seconds, one after
# the other, from its seed corpus (fuzz/corpus/<target>). What a run finds
# is kept in build/fuzz/corpus/<target>; an input that fails is saved in
# build/fuzz/findings/ and ends the script with a non-zero status.
# Usage: tools/run_fuzz.sh SECONDS [TARGET...]   (targets: jww_file
#        settings_text settings_load text; all when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:?seconds per target}"
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(jww_file settings_text settings_load text)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

build=build/fuzz
mkdir -p "$build/findings"
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    log="$build/fuzz_$target.log"
    status=0
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" "$corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
    echo "fuzz_$target: ${seconds} s, ${runs:-?} runs, ${coverage:-no coverage line}"
    if [ $status -ne 0 ]; then
        tail -40 "$log"
        echo "fuzz_$target found a failing input (see $build/findings/)" >&2
        exit $status
    fi
done
