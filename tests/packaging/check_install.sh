#!/usr/bin/env bash
# Installs a build folder into a scratch prefix, as `cmake --install` does for a user, and checks
# what a desktop reads there: the files, the desktop entry and the AppStream metainfo; then
# uninstalls as the README says, which leaves only the folders that were there before. The
# build folder's lists of what a user installed are put back afterwards.
# Usage: check_install.sh BUILD_DIR VERSION
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_dir="$1"
version="$2"
require_commands desktop-file-validate appstreamcli

lists=(install_manifest.txt install_folders.txt)
mkdir "$SCRATCH/kept"
for list in "${lists[@]}"; do
    [[ ! -f "$build_dir/$list" ]] || cp -p "$build_dir/$list" "$SCRATCH/kept/"
done
put_lists_back() {
    for list in "${lists[@]}"; do
        rm -f "$build_dir/$list"
        [[ ! -f "$SCRATCH/kept/$list" ]] || cp -p "$SCRATCH/kept/$list" "$build_dir/"
    done
    rm -rf "$SCRATCH"
}
trap put_lists_back EXIT
# The prefix and one folder in it exist already.
prefix="$SCRATCH/usr"
mkdir -p "$prefix/share"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f -printf '%P\n') | expect_installed_files

# desktop-file-validate prints nothing for a clean entry; appstreamcli tells errors (E),
# warnings (W) and infos (I) apart from pedantic remarks, which it prints only when asked.
validate . desktop-file-validate "$prefix/share/applications/org.numbrel.Numbrel.desktop"
metainfo="$prefix/share/metainfo/org.numbrel.Numbrel.metainfo.xml"
validate '^[EWI]: ' appstreamcli validate --no-net "$metainfo"
# The tree as a whole: the metainfo's launchable must name the installed desktop entry.
validate '^[EWI]: ' appstreamcli validate-tree --no-net "$SCRATCH"
grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no release entry for version $version"
# The installed program finds its translations from where it is.
LANG=de_DE.UTF-8 LANGUAGE='' LC_ALL='' "$prefix/bin/numbrel" --help | grep -q '^Aufruf: numbrel' ||
    fail "the installed program does not find its German translation"

xargs -d '\n' rm -f <"$build_dir/install_manifest.txt"
xargs -r -d '\n' rmdir --ignore-fail-on-non-empty <"$build_dir/install_folders.txt"
left="$(cd "$prefix" && find . -mindepth 1)"
[[ "$left" == ./share ]] || fail "uninstalling left more than ./share in the prefix: $left"
echo "install tree OK, uninstalled"
