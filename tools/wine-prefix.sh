#!/usr/bin/env bash
# Creates a Wine prefix fit for Drafnova's tests:
#   wine-prefix.sh PREFIX
# - no crash dialog (a crash under a display would hang the run on it);
# - windows not managed by a window manager (Xvfb has none; a managed window
#   stalls two seconds on every close);
# - Wine's own fonts copied where Wine looks for them, and the window's font
#   "ＭＳ ゴシック" replaced by IPAGothic.
set -eu
prefix=$1
export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || command -v wine)
server=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
here=$(cd "$(dirname "$0")" && pwd)

rm -rf "$prefix"
"$wine" wineboot -i </dev/null
"$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
mkdir -p "$prefix/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
# The replacement names a font that fonts-ipafont-gothic installs; without
# it Wine falls back to a font of its own choice.
{
    # regedit reads the replacement from a UTF-16LE file, so that the
    # Japanese font name survives whatever the locale.
    reg=$prefix/drive_c/font-replacements.reg
    {
        printf '\xff\xfe'
        sed 's/$/\r/' "$here/font-replacements.reg" | iconv -f UTF-8 -t UTF-16LE
    } >"$reg"
    "$wine" regedit /S 'C:\font-replacements.reg'
    rm -f "$reg"
}
"$server" -w
touch "$prefix/.drafnova-ready"
