# shellcheck shell=bash
# Shared by the packaging checks. Source it; it sets HERE to this folder and makes SCRATCH, a
# folder removed when the script exits.
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$HERE/../support/fail.sh"
source "$HERE/../support/languages.sh"
SCRATCH="$(mktemp -d)"
trap 'rm -rf "$SCRATCH"' EXIT

# Stops the check unless every named command is on PATH.
require_commands() {
    local command
    for command in "$@"; do
        command -v "$command" >/dev/null || fail "$command is not installed"
    done
}

# Runs a validator and stops the check when it fails or reports a line matching the pattern:
# a hint or a remark left unread is a fault that someone will meet later.
validate() {
    local pattern="$1" report
    shift
    report="$("$@" 2>&1)" || fail "$* failed:
$report"
    if grep -qE "$pattern" <<<"$report"; then
        fail "$* has remarks:
$report"
    fi
}

# The paths of installed_files.txt, where a path with LANG in it stands for that path for each
# language of translations/LINGUAS.
expected_files() {
    local file language
    while read -r file; do
        if [[ "$file" != *LANG* ]]; then
            echo "$file"
            continue
        fi
        for language in $(languages "$HERE/../../translations/LINGUAS"); do
            echo "${file/LANG/$language}"
        done
    done <"$HERE/installed_files.txt"
}

# Compares a file list on standard input (paths below the prefix, in any order) with the expected
# files: nothing missing, nothing extra.
expect_installed_files() {
    local differences
    if ! differences="$(diff <(expected_files | sort) <(sort))"; then
        fail "installed files differ from installed_files.txt ('<' missing, '>' extra):
$differences"
    fi
}
