#!/usr/bin/env bash
# Starts the program with each kind of command line and checks the exit status and what it
# prints: the information options and a start without a usable display need no window system;
# a start on a display that answers but with a platform Qt cannot load needs Xvfb, and without
# it the check ends as skipped (status 77).
# Usage: check_command_line.sh PROGRAM VERSION
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/fail.sh"
program="$1"
version="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"; stop_xvfb' EXIT
out="$scratch/out"
err="$scratch/err"

# Runs the program with the given environment changes and arguments (separated by --) and
# checks its exit status and the number of lines it wrote on standard error ('*': any number).
# The program gets no environment but those changes, PATH, a scratch HOME and LANG=C.UTF-8, so
# that no display, platform or language a caller exported reaches it.
expect() {
    local status="$1" error_lines="$2" environment=() actual
    shift 2
    while [[ "$1" != -- ]]; do environment+=("$1"); shift; done
    shift
    timeout 10 env -i PATH="$PATH" HOME="$scratch" LANG=C.UTF-8 "${environment[@]}" "$program" "$@" \
        >"$out" 2>"$err"
    actual=$?
    [[ $actual -eq $status ]] || fail "'$*' exited with $actual, not $status: $(cat "$err")"
    [[ $error_lines == '*' || $(wc -l <"$err") -eq $error_lines ]] ||
        fail "'$*' wrote not $error_lines line(s) on standard error: $(cat "$err")"
}

# The information options, also beside Qt's options or each other: the first of them answers,
# with the first line given before the '|'.
while IFS='|' read -r expected arguments; do
    # shellcheck disable=SC2086  # the arguments are words
    expect 0 0 -- $arguments
    [[ "$(head -n 1 "$out")" == "$expected" ]] || fail "'$arguments' printed $(cat "$out")"
done <<LINES
Usage: numbrel [QT-OPTION]...|--help
Usage: numbrel [QT-OPTION]...|-h
Usage: numbrel [QT-OPTION]...|-platform xcb --help --version
numbrel $version|--version
numbrel $version|-v -h
numbrel $version|-qwindowtitle --help --version
LINES

# Anything that is neither Numbrel's nor Qt's is an error with a hint to --help, wherever it
# stands, and it is found before anything looks for a display: the argument before the '|'. An
# option of a platform plugin other than the one that starts is refused once Qt has started.
mkdir -m 700 "$scratch/runtime"
while IFS='|' read -r refused arguments; do
    # shellcheck disable=SC2086  # the arguments are words
    expect 2 2 XDG_RUNTIME_DIR="$scratch/runtime" -- $arguments
    if ! grep -q -- "'$refused'" "$err" || ! grep -q -- '--help' "$err"; then
        fail "'$arguments' gave no error naming $refused: $(cat "$err")"
    fi
done <<'LINES'
--bogus|--bogus
--bogus|-platform offscreen --bogus
--bogus|--version --bogus
--bogus|--bogus --help
extra|--help extra
-x|-platform xcb -x
-display|-platform offscreen -display :5
LINES

# No display at all, and a display or compositor without a server: one line saying which, and
# status 1, no abort.
expect 1 1 --
grep -q 'neither DISPLAY nor WAYLAND_DISPLAY is set' "$err" || fail "without a display: $(cat "$err")"
for session in DISPLAY=:97 WAYLAND_DISPLAY=wayland-97; do
    expect 1 1 XDG_RUNTIME_DIR="$scratch/runtime" "$session" --
    grep -q 'none could be reached' "$err" || fail "$session without a server: $(cat "$err")"
done
# In German, from LANG or from LANGUAGE alone; English stays first where LANGUAGE puts it first.
for language in LANG=de_DE.UTF-8 LANGUAGE=de; do
    expect 0 0 "$language" -- --help
    grep -q '^Aufruf: numbrel' "$out" || fail "$language --help printed $(cat "$out")"
done
expect 0 0 LANG=de_DE.UTF-8 LANGUAGE=en:de -- --help
grep -q '^Usage: numbrel' "$out" || fail "LANGUAGE=en:de --help printed $(cat "$out")"
expect 0 0 LANG=de_DE.UTF-8 -- --version
grep -q '^Lizenz ' "$out" || fail "LANG=de_DE.UTF-8 --version printed $(cat "$out")"
expect 2 2 LANG=de_DE.UTF-8 -- --bogus
grep -q 'unbekannte Option „--bogus“' "$err" || fail "the German error reads $(cat "$err")"
expect 1 1 LANG=de_DE.UTF-8 --
grep -q 'Desktop-Sitzung' "$err" || fail "the German start-up error reads $(cat "$err")"

# A display that answers, and a platform plugin Qt cannot find: a line saying that Qt failed,
# then Qt's own reason.
if ! command -v Xvfb >/dev/null; then
    echo "SKIP: Xvfb is not installed, so a start on a display that answers was not checked"
    exit 77
fi
start_xvfb 640x480x24 || fail "Xvfb did not start"
expect 1 '*' DISPLAY="$DISPLAY" QT_QPA_PLATFORM=bogus --
[[ "$(head -n 1 "$err")" == "numbrel: Qt could not show a window on this desktop session:" ]] ||
    fail "the first line does not say that Qt failed: $(cat "$err")"
grep -q 'platform plugin "bogus"' "$err" || fail "Qt's reason is missing: $(cat "$err")"
echo "command line OK"
