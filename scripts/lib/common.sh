# shellcheck shell=bash
# Shared by the scripts in this folder: installing what is missing, building, and running the
# stages of a script quietly. Source it; it sets NUMBREL_ROOT to the project folder.

NUMBREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# The script's own command line, sourced here without arguments, to start it again as another user.
NUMBREL_SCRIPT_ARGS=("$@")

# What building and testing need on a fresh Debian 12 machine: what Debian's own package builds
# need (build-essential and the Build-Depends of debian/control, read from there so that they are
# written down once), with debhelper standing for its virtual debhelper-compat.
build_depends() {
    awk '/^[^ #]/ { on = sub(/^Build-Depends:/, "") } on && !/^#/' "$NUMBREL_ROOT/debian/control" |
        tr ',' '
' | sed -e 's/[(<[].*//' -e 's/ //g' -e 's/^debhelper-compat$/debhelper/' |
        grep -v '^$'
}
mapfile -t NUMBREL_BUILD_PACKAGES < <(echo build-essential; build_depends)
# What the tests need beyond building: a virtual X server for the program's start on a display
# that answers; Qt's Wayland plugin with a compositor (weston, run headless) for the window's
# test as a Wayland client; and for the screen-reader test mouse and keys, a private D-Bus
# session with the accessibility bus, and the AT-SPI client library for Python.
NUMBREL_TEST_PACKAGES=(xvfb qt6-wayland weston xdotool dbus-daemon at-spi2-core python3-gi
                       gir1.2-atspi-2.0)
# What checks the built Debian packages: Debian's own checker and its test runner.
NUMBREL_PACKAGE_CHECK_PACKAGES=(lintian autopkgtest)
# libFuzzer comes with clang's run-time libraries.
NUMBREL_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The locale whose decimal separator is a comma; no conversion may notice it.
NUMBREL_COMMA_LOCALE=de_DE.UTF-8
# What the program needs to run as a user meets it: Qt's Wayland plugin, and Qt's own texts in
# the user's language.
NUMBREL_RUN_PACKAGES=(qt6-wayland qt6-translations-l10n)

# Installs what scripts/run and scripts/test need, both of them: whichever starts first installs
# (or, not as root, names in one line) everything, so that the other never stops for it.
require_quick_start() {
    require_packages --locale "$NUMBREL_COMMA_LOCALE" "${NUMBREL_BUILD_PACKAGES[@]}" \
        "${NUMBREL_RUN_PACKAGES[@]}" "${NUMBREL_TEST_PACKAGES[@]}" \
        "${NUMBREL_PACKAGE_CHECK_PACKAGES[@]}" "${NUMBREL_FUZZ_PACKAGES[@]}"
}

# Installs what the script needs and is missing: the named Debian packages (each named once,
# however often it is asked for) and, after the option --locale NAME (e.g. de_DE.UTF-8), that
# locale. As root it installs everything itself, as one stage; otherwise it prints one command
# line that installs all of it and stops the script.
#
# Run as root in a folder that belongs to another user (`sudo scripts/test` in a user's clone),
# the script then goes on as that user, so that it leaves no files the user cannot change.
require_packages() {
    local locale="" missing=() package wanted
    if [[ "${1:-}" == --locale ]]; then
        locale="$2"
        shift 2
    fi
    mapfile -t wanted < <(printf '%s\n' "$@" | awk '!seen[$0]++')
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    # localedef reads the character maps of the locales package; a minimal machine lacks it.
    if [[ -n "$locale" ]] && locale_exists "$locale"; then
        locale=""
    elif [[ -n "$locale" ]] && ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q 'install ok installed'; then
        missing+=(locales)
    fi

    local commands=()
    [[ ${#missing[@]} -eq 0 ]] ||
        commands+=("apt-get update" "apt-get install --no-install-recommends ${missing[*]}")
    [[ -z "$locale" ]] || commands+=("localedef -i ${locale%%.*} -f UTF-8 $locale")
    if [[ ${#commands[@]} -gt 0 && $(id -u) -ne 0 ]]; then
        print_root_commands "${commands[@]}"
        exit 1
    fi
    if [[ ${#commands[@]} -gt 0 ]]; then
        # The project folder may belong to another user; the log goes elsewhere.
        local logs
        logs="$(mktemp -d)"
        NUMBREL_LOG_DIR="$logs" stage \
            "Installing ${#missing[@]} packages${locale:+ and the locale $locale}" \
            install_as_root "$locale" "${missing[@]}"
        rm -rf "$logs"
    fi
    continue_as_owner
}

# Installs the named packages and then, unless LOCALE is empty, generates that locale.
# Usage: install_as_root LOCALE [PACKAGE]...
install_as_root() {
    local locale="$1"
    shift
    if [[ $# -gt 0 ]]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
        summary "$(grep -o '[0-9]* newly installed' "$NUMBREL_STAGE_LOG" || echo "installed")"
    fi
    [[ -z "$locale" ]] || localedef -i "${locale%%.*}" -f UTF-8 "$locale"
}

# Whether a locale such as de_DE.UTF-8 is installed (locale -a writes it as de_DE.utf8).
locale_exists() {
    # grep reads the whole list: with -q it would stop early and break the pipe.
    locale -a 2>/dev/null | grep -ix "${1%%.*}\.utf-\?8" >/dev/null
}

# Prints the commands as one line that runs them as root: with sudo where it is installed, else
# with su (Debian installs sudo only when root has no password of its own).
print_root_commands() {
    local script line="" command
    script="scripts/$(basename "$0")"
    if command -v sudo >/dev/null; then
        for command in "$@"; do line+="${line:+ && }sudo $command"; done
    else
        for command in "$@"; do line+="${line:+ && }$command"; done
        line="su -c '$line'"
    fi
    echo "$script needs software that is not installed yet. Install it with this line (it asks" >&2
    echo "for a password), then start $script again:" >&2
    echo >&2
    echo "  $line" >&2
    echo >&2
}

# As root in a project folder that belongs to another user, starts the script again as that user.
continue_as_owner() {
    local owner
    owner="$(stat -c %U "$NUMBREL_ROOT")"
    [[ $(id -u) -eq 0 && "$owner" != root ]] || return 0
    echo "Going on as $owner, who owns $NUMBREL_ROOT ..."
    exec runuser -u "$owner" -- "$0" "${NUMBREL_SCRIPT_ARGS[@]}"
}

# Configures and builds a folder of the project: every target, or those named after "--". The
# arguments before "--" are applied at every run, so the folder is built as the script says
# whatever an earlier configure left in it; with nothing changed, ninja rebuilds nothing.
build_in() {
    local dir="$1" configure=() targets=()
    shift
    while [[ $# -gt 0 && "$1" != -- ]]; do
        configure+=("$1")
        shift
    done
    [[ $# -eq 0 ]] || { shift; targets=("$@"); }
    cmake -S "$NUMBREL_ROOT" -B "$dir" -G Ninja "${configure[@]}" >/dev/null
    cmake --build "$dir" ${targets[@]+--target "${targets[@]}"}
}

# Builds a folder as build_in does, and says how many build steps it ran.
build_quietly() {
    build_in "$@"
    local steps
    steps="$(grep -c '^\[[0-9]*/[0-9]*\] ' "$NUMBREL_STAGE_LOG" || true)"
    if [[ $steps -eq 0 ]]; then summary "nothing to rebuild"; else summary "$steps build steps"; fi
}

# The stages of a script: each prints one line when it starts and one when it ends, with its
# summary and the time it took; what its commands print goes to a log in build/logs, shown
# whole when the stage fails. print_stage_times lists the times at the end of the script.
NUMBREL_LOG_DIR="$NUMBREL_ROOT/build/logs"
NUMBREL_STAGE_LOG=/dev/null
NUMBREL_STAGE_TIMES=()

# Runs a command as a stage titled TITLE. The command may name its result with summary; else
# its last line of output is taken.
# Usage: stage TITLE COMMAND [ARGUMENT]...
stage() {
    local title="$1" start status seconds result
    shift
    mkdir -p "$NUMBREL_LOG_DIR"
    NUMBREL_STAGE_LOG="$NUMBREL_LOG_DIR/$(printf '%02d' "${#NUMBREL_STAGE_TIMES[@]}")-$(
        tr -cs 'A-Za-z0-9.' '-' <<<"${title,,}" | sed 's/-$//').log"
    echo "$title ..."
    start=$EPOCHREALTIME
    set +e
    (set -e; "$@") >"$NUMBREL_STAGE_LOG" 2>&1 3>"$NUMBREL_STAGE_LOG.summary"
    status=$?
    set -e
    seconds="$(LC_ALL=C awk -v from="$start" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.1f", to - from }')"
    NUMBREL_STAGE_TIMES+=("$seconds"$'\t'"$title")
    # Without a summary of its own, the stage's last line of output says how it ended.
    result="$(cat "$NUMBREL_STAGE_LOG.summary")"
    [[ -n "$result" ]] || result="$(grep -v '^\s*$' "$NUMBREL_STAGE_LOG" | tail -n 1 || true)"
    rm -f "$NUMBREL_STAGE_LOG.summary"
    if [[ $status -ne 0 ]]; then
        cat "$NUMBREL_STAGE_LOG" >&2
        echo "$title failed after $seconds s (exit status $status); the log above is in $NUMBREL_STAGE_LOG." >&2
        exit "$status"
    fi
    echo "  ${result:-done} ($seconds s)"
    NUMBREL_STAGE_LOG=/dev/null
}

# Names the result of the running stage, or prints it where no stage runs.
summary() {
    if [[ "$NUMBREL_STAGE_LOG" != /dev/null ]]; then echo "$*" >&3; else echo "$*"; fi
}

# Prints how long each stage of the script took, and all of them together.
print_stage_times() {
    echo "Time of each stage:"
    printf '%s\n' "${NUMBREL_STAGE_TIMES[@]}" | LC_ALL=C awk -F '\t' '
        { printf "  %6.1f s  %s\n", $1, $2; total += $1 }
        END { printf "  %6.1f s  in all\n", total }'
}

# Gives the script's commands a private folder for temporary files (TMPDIR) and, where the
# session has none, a runtime folder (XDG_RUNTIME_DIR), both removed when the script ends, so
# that nothing a tool leaves in them stays behind.
use_private_temporary_folders() {
    NUMBREL_SCRATCH="$(mktemp -d)"
    trap 'rm -rf "$NUMBREL_SCRATCH"' EXIT
    # As root, apt's unprivileged downloader reads the packages autopkgtest puts there.
    [[ $(id -u) -ne 0 ]] || chmod 755 "$NUMBREL_SCRATCH"
    export TMPDIR="$NUMBREL_SCRATCH"
    if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -w "${XDG_RUNTIME_DIR:-}" ]]; then
        mkdir -m 700 "$NUMBREL_SCRATCH/runtime"
        export XDG_RUNTIME_DIR="$NUMBREL_SCRATCH/runtime"
    fi
}
