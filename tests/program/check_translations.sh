#!/usr/bin/env bash
# Checks every language of translations/LINGUAS, one row of the table each, and that no file of a
# language is missing from it. A language's catalogue of the program's texts (numbrel_LANG.ts)
# and of the desktop entry's and metainfo's (LANG.po) translate every text the sources have and
# no other, none unfinished, fuzzy or empty: lupdate, run on a copy of the .ts file, finds
# nothing to add or remove and changes nothing, and msgmerge finds the same in the .po file
# against the template xgettext makes. Each translation keeps the placeholders of its source
# text (msgfmt checks them as Qt's, in the .ts file converted by lconvert). And --help in the
# language differs from the English one and has no line of 80 columns or more.
# Usage: check_translations.sh PROJECT_DIR PROGRAM LUPDATE [ARGUMENT]... -- XGETTEXT [ARGUMENT]...
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/../support/fail.sh"
source "$here/../support/languages.sh"
translations="$1/translations"
program="$2"
shift 2
lupdate=()
while [[ "$1" != -- ]]; do lupdate+=("$1"); shift; done
shift
# lconvert comes with lupdate.
lconvert="$(dirname "${lupdate[0]}")/lconvert"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$@" -o "$scratch/numbrel.pot"
mapfile -t listed < <(languages "$translations/LINGUAS")
english="$(env -i PATH="$PATH" LANG=C.UTF-8 "$program" --help)"
failures=()

for file in "$translations"/numbrel_*.ts "$translations"/*.po; do
    language="$(basename "$file" | sed -e 's/^numbrel_//' -e 's/\.[a-z]*$//')"
    [[ " ${listed[*]} " == *" $language "* ]] || failures+=("LINGUAS does not list $language, the language of $file")
done

for language in "${listed[@]}"; do
    ts="$scratch/numbrel_$language.ts"
    cp "$translations/numbrel_$language.ts" "$ts"
    "${lupdate[@]}" -ts "$ts" >/dev/null
    if grep -qE 'type="(unfinished|vanished|obsolete)"|<translation( [^>]*)?(/>|></translation>)' "$ts"; then
        failures+=("numbrel_$language.ts has texts to translate or to remove")
    elif ! cmp -s "$translations/numbrel_$language.ts" "$ts"; then
        failures+=("lupdate changes numbrel_$language.ts")
    fi
    "$lconvert" -i "$translations/numbrel_$language.ts" -o "$scratch/$language.ts.po"
    msgfmt --check-format -o /dev/null "$scratch/$language.ts.po" 2>"$scratch/format" ||
        failures+=("numbrel_$language.ts changes placeholders: $(cat "$scratch/format")")

    msgmerge --quiet -o "$scratch/$language.po" "$translations/$language.po" "$scratch/numbrel.pot"
    for kind in untranslated only-fuzzy only-obsolete; do
        texts="$(msgattrib --no-wrap "--$kind" "$scratch/$language.po" | grep -E '^(#~ )?msgid ' |
            grep -vx 'msgid ""' || true)"
        [[ -z "$texts" ]] || failures+=("$language.po has ${kind#only-} texts: $texts")
    done

    help="$(env -i PATH="$PATH" LANG="$language.UTF-8" "$program" --help)"
    [[ "$help" != "$english" ]] || failures+=("--help under LANG=$language.UTF-8 is in English")
    [[ $(LC_ALL=C.UTF-8 wc -L <<<"$help") -lt 80 ]] ||
        failures+=("--help under LANG=$language.UTF-8 has a line of 80 columns or more")
done

if [[ ${#failures[@]} -gt 0 ]]; then
    printf 'FAIL: %s\n' "${failures[@]}" >&2
    echo "Bring the files up to date with: cmake --build build --target numbrel_update_translations" >&2
    exit 1
fi
echo "translations OK: ${#listed[@]} languages"
