#!/usr/bin/env bash
# Checks that translation files are complete and match the sources: lupdate, run on a copy of
# each, finds no text without a translation (unfinished or empty) and none the sources no longer
# have (vanished or obsolete), and changes nothing at all.
# Usage: check_translations.sh TS_FILE... -- LUPDATE [ARGUMENT]...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/fail.sh"
ts_files=()
while [[ "$1" != -- ]]; do ts_files+=("$1"); shift; done
shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

for ts in "${ts_files[@]}"; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    "$@" -ts "$copy" >/dev/null
    if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation( [^>]*)?(/>|></translation>)' \
        "$copy" >&2; then
        fail "$(basename "$ts") has texts to translate or remove (the lines above); bring it up to date with: cmake --build build --target numbrel_update_translations"
    fi
    diff -u "$ts" "$copy" >&2 || fail "lupdate changes $(basename "$ts") (the lines above)"
done
echo "translations OK: ${#ts_files[@]} file(s)"
