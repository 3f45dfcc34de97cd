#!/usr/bin/env bash
# Regenerates the seed corpus of the fuzz targets (fuzz/corpus/) from what the
# project itself writes: a drawing of every version and settings files made by
# drafnova-cli, and a few texts. Usage: tools/make_fuzz_seeds.sh DRAFNOVA_CLI
set -euo pipefail
cli="$(realpath "$1")"
root="$(cd "$(dirname "$0")/.." && pwd)"
corpus="$root/fuzz/corpus"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p "$corpus/jww_file" "$corpus/settings_text" "$corpus/settings_load" "$corpus/text"
cd "$work"
for version in 2.20 2.23 2.25 2.30 3.00 3.51 4.20 6.00 7.00; do
    "$cli" new --yes --no-open --ini none.ini --name "v${version/./}" --version "$version" \
        --paper A3L --gap-x 10 --gap-y 10 --write-group 3 >/dev/null 2>&1
    cp "v${version/./}.JWW" "$corpus/jww_file/version-${version/./}.jww"
done
# The signature alone, and a version below 2.20.
printf 'JwwData.' >"$corpus/jww_file/signature-only.jww"
head -c 12 v700.JWW | head -c 8 >"$work/low" && printf '\xdb\x00\x00\x00\x00' >>"$work/low"
cp "$work/low" "$corpus/jww_file/version-219.jww"

# Settings files as the program saves them, one with Japanese texts.
"$cli" new --yes --no-open --ini saved.ini --save-settings --name "一階平面図" \
    --folder "$work" --paper A4P --version 4.20 --pitch 2.5 --gap-x 5 --gap-y 7.5 \
    --scale 3=1/50 >/dev/null 2>&1
"$cli" new --yes --no-open --ini default.ini --save-settings >/dev/null 2>&1
for name in saved default; do
    cp "$name.ini" "$corpus/settings_load/$name.ini"
    # The text target takes three short strings first (section, key, value),
    # each ended by a backslash and one more byte.
    { printf 'Sets\\ NEWF\\ "quoted value"\\ '; cat "$name.ini"; } \
        >"$corpus/settings_text/$name.ini"
done
printf '; a comment\r\n[form]\r\n f1_x = -20 \r\n[Sets]\r\nJVER=abc\r\nGRDS=1E-5\r\n' \
    >"$corpus/settings_load/odd.ini"
cp "$corpus/settings_load/odd.ini" "$corpus/settings_text/odd.ini"

# Texts: numbers in every form, names with blanks and "^m", Japanese.
i=0
for text in '12' ' -7' '$1F' '0x1f' '-$10' '2147483648' '2.5E1' '.5' '1e' '5mm' \
    'A^mB' '^m' $'\t\x01' '新規図面' '　図面　名' '表' 'ｱｲｳ'; do
    printf '%s' "$text" | iconv -f UTF-8 -t CP932 >"$corpus/text/seed-$i" 2>/dev/null ||
        printf '%s' "$text" >"$corpus/text/seed-$i"
    i=$((i + 1))
done
echo "Seeds written to $corpus"
