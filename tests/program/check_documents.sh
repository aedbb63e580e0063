#!/usr/bin/env bash
# Checks that the documents say the same: each row of documents.txt names a document and what
# its text must say (or must not); the README names every file the installation puts in place;
# and its code layout table has a row for each folder of the project and each folder below
# src/, each naming a folder that exists and only files and folders that exist.
# Usage: check_documents.sh PROJECT_DIR PROGRAM METAINFO
set -euo pipefail
root="$1"
program="$2"
metainfo="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=()

# Markdown without its emphasis and code marks.
markdown_text() {
    sed -e 's/\*\*//g' -e 's/`//g' -e 's/\\\([*_]\)/\1/g' "$1"
}

# A manual page's text: the words of its font macros (.B, .BR, ...) joined as roff prints them,
# section titles kept, other requests and escapes dropped.
roff_text() {
    awk '
        /^\.(B|I)[ ]/ { sub(/^\.[BI] /, ""); gsub(/"/, ""); print; next }
        /^\.(BR|RB|BI|IB|IR|RI)[ ]/ {
            sub(/^\.[A-Z][A-Z] /, "")
            line = ""
            while (match($0, /^("[^"]*"|[^ ]+) */)) {
                word = substr($0, 1, RLENGTH); $0 = substr($0, RLENGTH + 1)
                sub(/ +$/, "", word); gsub(/"/, "", word); line = line word
            }
            print line; next
        }
        /^\.SH / { sub(/^\.SH /, ""); print; next }
        /^\./ { next }
        { print }' "$1" | sed -e 's/\\-/-/g' -e 's/\\%//g' -e 's/\\&//g'
}

# Each document's text on one line, white space collapsed, in $scratch/NAME.
one_line() {
    tr '\n' ' ' | tr -s ' \t' '  ' >"$scratch/$1"
}
markdown_text "$root/README.md" | one_line README
roff_text "$root/packaging/numbrel.1.in" | one_line man
roff_text "$root/packaging/numbrel.de.1.in" | one_line man.de
sed -n '/^Description:/,/^[^ ]/p' "$root/debian/control" | one_line control
sed 's/<[^>]*>//g' "$metainfo" | one_line metainfo
env -i PATH="$PATH" LANG=C.UTF-8 "$program" --help | one_line help
env -i PATH="$PATH" LANG=de_DE.UTF-8 "$program" --help | one_line help.de

while IFS='|' read -r document pattern; do
    document="${document%% *}"
    pattern="${pattern# }"
    [[ -n "$document" && "$document" != \#* ]] || continue
    [[ -f "$scratch/$document" ]] || { failures+=("documents.txt names no document '$document'"); continue; }
    if [[ "$pattern" == '!'* ]]; then
        ! grep -qiE -- "${pattern#!}" "$scratch/$document" || failures+=("$document says: ${pattern#!}")
    else
        grep -qiE -- "$pattern" "$scratch/$document" || failures+=("$document does not say: $pattern")
    fi
done <"$here/documents.txt"

# Every shortcut --help lists is named in the README and the manual pages, Ctrl as German
# keyboards label it in German; the digits between Alt+0 and Alt+9 are given as a range.
while read -r chord; do
    for document in README man; do
        grep -qF -- "$chord" "$scratch/$document" || failures+=("$document does not name the shortcut $chord")
    done
    for document in man.de help.de; do
        grep -qF -- "${chord/Ctrl/Strg}" "$scratch/$document" ||
            failures+=("$document does not name the shortcut ${chord/Ctrl/Strg}")
    done
done < <(grep -oE '(Alt|Ctrl)\+[^ ]+' "$scratch/help" | grep -vE '^Alt\+[1-8]$' | sort -u)

while read -r file; do
    grep -qF -- "$file" "$scratch/README" || failures+=("README does not name the installed $file")
done <"$root/tests/packaging/installed_files.txt"

# The layout table: the rows of the README's "Code layout" section.
layout="$(sed -n '/^## Code layout/,/^##* [^C]/p' "$root/README.md" | grep '^| `')"
folders="$(cd "$root" && find . -mindepth 1 -maxdepth 1 -type d ! -name '.*' ! -name src \
    ! -name 'build*' ! -name 'obj-*' -printf '%P\n' && find src -mindepth 1 -type d)"
for folder in $folders; do
    grep -q "^| \`$folder\` |" <<<"$layout" || failures+=("the README's code layout has no row for $folder")
done
while IFS='|' read -r _ folder text _; do
    folder="$(tr -d '` ' <<<"$folder")"
    [[ -d "$root/$folder" ]] || { failures+=("the code layout names $folder, which does not exist"); continue; }
    # shellcheck disable=SC2016  # the backticks are Markdown's
    for name in $(grep -o '`[^` ]*[./][^` ]*`' <<<"$text" | tr -d '`'); do
        [[ -e "$root/$name" || -n "$(find "$root/$folder" -name "$name" -print -quit)" ]] ||
            failures+=("the code layout's row for $folder names $name, which is not there")
    done
done <<<"$layout"

if [[ ${#failures[@]} -gt 0 ]]; then
    printf 'FAIL: %s\n' "${failures[@]}" >&2
    exit 1
fi
echo "documents agree: $(grep -c '^[a-z]' "$here/documents.txt") statements"
