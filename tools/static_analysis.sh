#!/usr/bin/env bash
# clang-tidy (.clang-tidy) and cppcheck over the sources of src/ in a compile
# database; any finding fails. The window (src/Unit1) and the Windows layer
# are not in a Linux build's database, so they are not looked at here.
# Usage: tools/static_analysis.sh BUILD_FOLDER   (one configured with CMake)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
database="$build/compile_commands.json"
[ -f "$database" ] || { echo "no compile database in $build" >&2; exit 2; }

# The database lists one "file" per compiled source.
mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$database" | sort -u |
    grep "^$root/src/" | grep -v -e '/Unit1/' -e '/win32/')
echo "clang-tidy: ${#files[@]} files"
status=0
printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 4 clang-tidy-14 -p "$build" --quiet 2>/dev/null >"$build/clang-tidy.txt" ||
    status=1
if grep -q 'warning:\|error:' "$build/clang-tidy.txt"; then
    grep -A3 'warning:\|error:' "$build/clang-tidy.txt" | sed "s|$root/||"
    status=1
fi

echo "cppcheck: src/"
cd "$root"  # the filters below are relative to the repository
cppcheck --project="$(realpath --relative-to="$root" "$database")" --file-filter='src/*' -isrc/Unit1 -isrc/platform/win32 \
    --enable=warning,style,performance,portability --std=c++20 --inline-suppr \
    --suppress=missingIncludeSystem --error-exitcode=1 --quiet -j "$(nproc)" \
    --template='{file}:{line}: {severity}: {message} [{id}]' || status=1

[ $status -eq 0 ] && echo "static analysis: no findings"
exit $status
