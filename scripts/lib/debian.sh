# shellcheck shell=bash
# Building the Debian packages from debian/ and checking them. Source it after common.sh.

# Writes to standard output a tar archive of the files the source package is made of: the
# project's files without version control, build folders and what git ignores. Further
# arguments go to tar.
source_tree_archive() {
    tar -C "$NUMBREL_ROOT" --exclude-vcs --exclude-vcs-ignores --exclude='./build*' \
        --exclude=./.cache "$@" -cf - .
}

# Builds the source and binary packages from a copy of the project's files in WORK_DIR, so that
# neither the checkout nor its parent folder gets a build's leftovers, and moves them into
# OUT_DIR: numbrel_<version>.dsc and .tar.xz, numbrel_<version>_<arch>.deb and its -dbgsym,
# .buildinfo and .changes. Further arguments go to dpkg-buildpackage, which builds with as many
# jobs as the machine has cores. dh says each command it runs only when DH_VERBOSE is set.
# Usage: build_debian_package OUT_DIR WORK_DIR [DPKG_BUILDPACKAGE_ARGUMENT]...
build_debian_package() {
    local out="$1" work="$2"
    shift 2
    rm -rf "$work"
    mkdir -p "$work/numbrel" "$out"
    source_tree_archive | tar -C "$work/numbrel" -xf -
    [[ -n "${DH_VERBOSE:-}" ]] || export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }terse"
    (cd "$work/numbrel" && dpkg-buildpackage -us -uc -jauto "$@")
    rm -f "$out"/numbrel_* "$out"/numbrel-dbgsym_*
    mv "$work"/numbrel_* "$work"/numbrel-dbgsym_* "$out"/
    rm -rf "$work"
    summary "$(cd "$out" && echo numbrel_*.deb numbrel_*.dsc numbrel_*.changes) in ${out#"$NUMBREL_ROOT"/}/"
}

# A fingerprint of what the packages are built and checked from: the source tree, the versions
# of the packages that build and check them, and the build options.
package_fingerprint() {
    {
        # The same for the same files and modes, whatever their times and owners.
        source_tree_archive --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner
        dpkg-query -W "${NUMBREL_BUILD_PACKAGES[@]}" "${NUMBREL_PACKAGE_CHECK_PACKAGES[@]}"
        echo "DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-}"
    } | sha256sum | cut -d ' ' -f 1
}

# Whether the packages in OUT_DIR were built from the tree as it is (FINGERPRINT) and passed
# their checks, the autopkgtest included where the script runs as root and can run it.
# Usage: packages_checked OUT_DIR FINGERPRINT
packages_checked() {
    local stamp="$1/package-checked"
    [[ -f "$stamp" ]] && compgen -G "$1/numbrel_*.changes" >/dev/null || return 1
    grep -qx "fingerprint $2" "$stamp" || return 1
    [[ $(id -u) -ne 0 ]] || grep -qx "autopkgtest passed" "$stamp"
}

# Notes that the packages in OUT_DIR, built from FINGERPRINT, passed their checks.
# Usage: note_packages_checked OUT_DIR FINGERPRINT
note_packages_checked() {
    {
        echo "fingerprint $2"
        [[ $(id -u) -ne 0 ]] || echo "autopkgtest passed"
    } >"$1/package-checked"
}

# Runs the package's own tests (debian/tests) on this machine, which installs the package and
# what the tests depend on; then removes again every package the run installed.
run_autopkgtest() {
    local changes="$1" before status=0 added
    before="$(installed_packages)"
    autopkgtest "$changes" -- null || status=$?
    mapfile -t added < <(comm -13 <(echo "$before") <(installed_packages))
    if [[ ${#added[@]} -gt 0 ]]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y "${added[@]}"
    fi
    [[ $status -eq 0 ]] || return "$status"
    summary "passed; removed again what it installed: ${added[*]:-nothing}"
}

# The installed packages, one name a line, sorted.
installed_packages() {
    dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}

# Builds the packages a second time, elsewhere, later, with another umask, locale and time zone,
# and fails unless the binary packages are byte for byte those of the build in OUT_DIR;
# diffoscope, where installed, says what differs.
check_reproducible() {
    local out="$1" again="$NUMBREL_ROOT/build-again" deb
    # The second build's own summary is not this check's.
    (umask 0002 && export LC_ALL="$NUMBREL_COMMA_LOCALE" TZ=Pacific/Kiritimati &&
        DEB_BUILD_OPTIONS=nocheck build_debian_package "$again" "$again/elsewhere/deeper" 3>/dev/null)
    for deb in "$out"/numbrel_*.deb "$out"/numbrel-dbgsym_*.deb; do
        if ! cmp -s "$deb" "$again/$(basename "$deb")"; then
            command -v diffoscope >/dev/null && diffoscope "$deb" "$again/$(basename "$deb")" >&2
            echo "Two builds of $(basename "$deb") differ." >&2
            return 1
        fi
    done
    summary "two builds gave the same bytes: $(cd "$out" && echo numbrel_*.deb numbrel-dbgsym_*.deb)"
}

# Builds the Debian packages into OUT_DIR and checks them: lintian, and as root the installed
# package's autopkgtest. Outside continuous integration (CI=true) this is done only when the
# packages there were not built from the tree as it is and checked; in continuous integration
# it is always done, and a second build must give the same bytes.
# Usage: build_and_check_packages OUT_DIR
build_and_check_packages() {
    local out="$1" fingerprint
    # The tests have run on the same sources; the package build need not run them again.
    export DEB_BUILD_OPTIONS=nocheck
    fingerprint="$(package_fingerprint)"
    if [[ "${CI:-}" != true ]] && packages_checked "$out" "$fingerprint"; then
        stage "Debian packages" summary "unchanged since they were built and checked"
        return
    fi
    rm -f "$out/package-checked"
    stage "Building the Debian packages" build_debian_package "$out" "$out/package"
    stage "Checking them with lintian" \
        "$NUMBREL_ROOT/tests/packaging/check_deb.sh" "$(compgen -G "$out/numbrel_*.changes")"
    # The installed package's own tests install it on this machine, which needs root.
    if [[ $(id -u) -eq 0 ]]; then
        stage "Testing the installed package (autopkgtest)" \
            run_autopkgtest "$(compgen -G "$out/numbrel_*.changes")"
    else
        echo "Not root: the installed package's tests (autopkgtest) are left out; see the README."
    fi
    [[ "${CI:-}" != true ]] || stage "Building them again to compare" check_reproducible "$out"
    note_packages_checked "$out" "$fingerprint"
}
