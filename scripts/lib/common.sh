# Shared by the scripts in this folder: installing missing Debian packages and building.
# Source it; it sets NUMBREL_ROOT to the project folder.

NUMBREL_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# What building and testing need on a fresh Debian 12 machine; the last four check the installed
# tree and build the Debian package.
NUMBREL_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev fonts-dejavu-core
                        desktop-file-utils appstream dpkg-dev file)

# Installs the named packages that are not installed yet. As root it runs apt-get itself;
# otherwise it prints the one command that would and stops the script.
require_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0

    if [[ $(id -u) -ne 0 ]]; then
        echo "Numbrel needs packages that are not installed. Run:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds a folder of the project. Extra arguments go to the first
# configure only, so a rebuild with nothing changed does no more than check timestamps.
build_in() {
    local dir="$1"
    shift
    if [[ ! -f "$dir/CMakeCache.txt" ]]; then
        cmake -S "$NUMBREL_ROOT" -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir"
}
