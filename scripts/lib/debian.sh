# Building the Debian packages from debian/ and checking them. Source it after common.sh.

# What checks the built packages: Debian's own checker and its test runner.
NUMBREL_PACKAGE_CHECK_PACKAGES=(lintian autopkgtest)

# Builds the source and binary packages from a copy of the project's files (without version
# control, build folders and what git ignores) in WORK_DIR, so that neither the checkout nor its
# parent folder gets a build's leftovers, and moves them into OUT_DIR: numbrel_<version>.dsc and
# .tar.xz, numbrel_<version>_<arch>.deb and its -dbgsym, .buildinfo and .changes. Further
# arguments go to dpkg-buildpackage, which builds with as many jobs as the machine has cores.
build_debian_package() {
    local out="$1" work="$2"
    shift 2
    rm -rf "$work"
    mkdir -p "$work/numbrel" "$out"
    tar -C "$NUMBREL_ROOT" --exclude-vcs --exclude-vcs-ignores --exclude='./build*' \
        --exclude=./.cache -cf - . | tar -C "$work/numbrel" -xf -
    (cd "$work/numbrel" && dpkg-buildpackage -us -uc -jauto "$@")
    rm -f "$out"/numbrel_* "$out"/numbrel-dbgsym_*
    mv "$work"/numbrel_* "$work"/numbrel-dbgsym_* "$out"/
    rm -rf "$work"
}

# Builds the packages a second time, elsewhere, later, with another umask, locale and time zone,
# and fails unless the binary packages are byte for byte those of the build in OUT_DIR;
# diffoscope, where installed, says what differs.
check_reproducible() {
    local out="$1" again="$NUMBREL_ROOT/build-again" deb
    (umask 0002 && export LC_ALL="$NUMBREL_COMMA_LOCALE" TZ=Pacific/Kiritimati &&
        DEB_BUILD_OPTIONS=nocheck build_debian_package "$again" "$again/elsewhere/deeper")
    for deb in "$out"/numbrel_*.deb "$out"/numbrel-dbgsym_*.deb; do
        if ! cmp -s "$deb" "$again/$(basename "$deb")"; then
            command -v diffoscope >/dev/null && diffoscope "$deb" "$again/$(basename "$deb")" >&2
            echo "Two builds of $(basename "$deb") differ." >&2
            return 1
        fi
    done
    echo "Two builds gave the same bytes: $(cd "$out" && echo numbrel_*.deb numbrel-dbgsym_*.deb)"
}
