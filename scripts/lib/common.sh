# shellcheck shell=bash
# Shared by the scripts in this folder: installing what is missing and building. Source it; it
# sets NUMBREL_ROOT to the project folder.

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
# shellcheck disable=SC2034  # used by the scripts that source this file
NUMBREL_TEST_PACKAGES=(xvfb qt6-wayland weston xdotool dbus-daemon at-spi2-core python3-gi
                       gir1.2-atspi-2.0)

# Installs what the script needs and is missing: the named Debian packages and, after the option
# --locale NAME (e.g. de_DE.UTF-8), that locale. As root it installs everything itself; otherwise
# it prints one command line that installs all of it and stops the script.
#
# Run as root in a folder that belongs to another user (`sudo scripts/test` in a user's clone),
# the script then goes on as that user, so that it leaves no files the user cannot change.
require_packages() {
    local locale="" missing=() package
    if [[ "${1:-}" == --locale ]]; then
        locale="$2"
        shift 2
    fi
    for package in "$@"; do
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
    if [[ ${#missing[@]} -gt 0 ]]; then
        echo "Installing ${missing[*]} ..."
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
    if [[ -n "$locale" ]]; then
        echo "Generating the locale $locale ..."
        localedef -i "${locale%%.*}" -f UTF-8 "$locale"
    fi
    continue_as_owner
}

# Whether a locale such as de_DE.UTF-8 is installed (locale -a writes it as de_DE.utf8).
locale_exists() {
    locale -a 2>/dev/null | grep -qix "${1%%.*}\.utf-\?8"
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
