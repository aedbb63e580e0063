#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it would put on a machine: the
# installed files below /usr, the section, dependencies that include the Qt 6 libraries the
# binary links, the platform plugins it loads and the display's font; and Debian's own checker,
# lintian, with nothing to say, not even a pedantic or informational remark.
# Usage: check_deb.sh BUILD_DIR
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_dir="$1"
require_commands cpack dpkg-deb dpkg-shlibdeps file lintian

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$SCRATCH" >/dev/null
debs=("$SCRATCH"/numbrel_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || fail "cpack made no single numbrel_*.deb"
deb="${debs[0]}"

dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' |
    expect_installed_files

[[ "$(dpkg-deb -f "$deb" Section)" == utils ]] || fail "section is not utils"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 fonts-liberation; do
    [[ ",$depends," =~ [\ ,]${package}[\ ,\(] ]] || fail "Depends lacks $package: $depends"
done
# The changelog is signed by whoever builds the package (packaging/CMakeLists.txt); without
# DEBEMAIL or a git identity that is their local account, whose host may have no domain.
validate '^[EWIPX]: ' lintian --display-info --pedantic --display-experimental \
    --suppress-tags bogus-mail-host-in-debian-changelog "$deb"
echo "package OK: $(basename "$deb"), Depends: $depends"
