#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest (the cross-compiling emulator).
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# PREFIX is a Wine prefix of the build folder's own, created on first use;
# DRAFNOVA_WINEPREFIX, when set, names another one (tests that need a prefix
# of their own).
# One Wine server serves every run and stays a minute after the last one; its
# output goes to /dev/null so that CTest does not wait on a pipe held by a
# background process. The program's stderr is collected in a file and printed
# when it ends, for the same reason. The exit code is the program's.
set -u
prefix=${DRAFNOVA_WINEPREFIX:-$1}
shift
export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No Mono or Gecko installer prompt while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [ ! -e "$prefix/.drafnova-ready" ]; then
        # fd 9 holds the lock: no Wine process may keep it open.
        "$here/wine-prefix.sh" "$prefix" </dev/null >"$prefix.log" 2>&1 9>&- || {
            echo "wine-run.sh: could not prepare the Wine prefix $prefix:" >&2
            cat "$prefix.log" >&2
            exit 1
        }
    fi
    # The server puts itself in the background once it listens; when one is
    # already running this returns at once.
    "$server" -p60 </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$prefix.lock" || exit 1

err=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
"$wine" "$@" 2>"$err"
rc=$?
cat "$err" >&2
rm -f "$err"
exit $rc
