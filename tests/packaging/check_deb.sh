#!/usr/bin/env bash
# Checks a Debian build, given by its .changes file: what the binary package would put on a
# machine (the files below /usr, the section, dependencies that include the Qt 6 libraries the
# binary links, the platform plugins it loads and the display's fonts), and Debian's own checker,
# lintian, on the source and binary packages with nothing to say, not even a pedantic,
# informational or experimental remark.
# Usage: check_deb.sh CHANGES_FILE
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
changes="$1"
require_commands dpkg-deb lintian

deb="$(dirname "$changes")/$(sed -n 's/^ [0-9a-f]\{32\} [0-9]* [a-z]* [a-z]* \(numbrel_.*\.deb\)$/\1/p' "$changes")"
[[ -f "$deb" ]] || fail "$changes lists no numbrel_*.deb"

# Beside what `cmake --install` puts in place, debhelper adds the changelog and copyright file.
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' |
    grep -vx 'share/doc/numbrel/\(changelog\.gz\|copyright\)' | expect_installed_files
listing="$(dpkg-deb -c "$deb")"
for doc in changelog.gz copyright; do
    grep -q " \./usr/share/doc/numbrel/$doc\$" <<<"$listing" || fail "no $doc in $deb"
done

[[ "$(dpkg-deb -f "$deb" Section)" == utils ]] || fail "section is not utils"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-liberation2 fonts-liberation; do
    [[ ",$depends," =~ [\ ,]${package}[\ ,\(] ]] || fail "Depends lacks $package: $depends"
done
validate '^[EWIPX]: ' lintian --display-info --pedantic --display-experimental "$changes"
echo "package OK: $(basename "$deb"), Depends: $depends"
