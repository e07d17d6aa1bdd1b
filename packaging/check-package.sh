#!/usr/bin/env bash
# Checks the Debian packages in DIST (default dist/) without installing them: unpacks them into
# a temporary root, runs the programs' --version from there without a display, validates the
# desktop entry, the AppStream metadata, the icons, the manual pages and the bash completion,
# and runs lintian (errors fail; warnings and notes are printed).
set -euo pipefail
dist=${1:-dist}
app_id=org.tallvane.tallvane

fail() {
    echo "check-package: $*" >&2
    exit 1
}

shopt -s nullglob
main=("$dist"/tallvane_*_amd64.deb)
simulator=("$dist"/tallvane-ecrsim_*_amd64.deb)
[ ${#main[@]} -eq 1 ] || fail "expected one tallvane_VERSION_amd64.deb in $dist"
[ ${#simulator[@]} -eq 1 ] || fail "expected one tallvane-ecrsim_VERSION_amd64.deb in $dist"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "${main[0]}" "$root"
dpkg-deb -x "${simulator[0]}" "$root"
echo "== contents"
(cd "$root" && find . -type f | sort)

echo "== versions, without a display"
version=$(dpkg-deb -f "${main[0]}" Version)
for program in tallvane tallvane-cli tallvane-ecrsim; do
    line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version | head -1)
    echo "$line"
    [[ $line == "$program $version"* ]] || fail "$program --version says \"$line\", not version $version"
done
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tallvane" --help | grep -q "^Usage: tallvane" \
    || fail "tallvane --help"

echo "== desktop entry and metadata"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/$app_id.metainfo.xml"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metadata has no release $version"

echo "== icons"
for size in 16 22 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    file -b "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a ${size}x${size} PNG"
done

echo "== manual pages"
for page in tallvane tallvane-cli tallvane-ecrsim; do
    file="$root/usr/share/man/man1/$page.1.gz"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$file" 2>/dev/null | grep -q "^EXIT STATUS\|^OPTIONS\|^COMMANDS" \
        || fail "$page.1 has no options"
done

echo "== bash completion"
completion="$root/usr/share/bash-completion/completions/tallvane-cli"
bash -n "$completion"
reply=$(bash -c 'source "$1"; COMP_WORDS=(tallvane-cli --user admin install --type P); COMP_CWORD=5; _tallvane_cli
    echo "${COMPREPLY[*]}"' _ "$completion")
[[ $reply == *PLUDATA* ]] || fail "completing --type P gives \"$reply\""

echo "== documentation"
for package in tallvane tallvane-ecrsim; do
    for file in copyright changelog.gz; do
        [ -s "$root/usr/share/doc/$package/$file" ] || fail "$package has no $file"
    done
done

echo "== lintian"
lintian --fail-on error --display-info "${main[0]}" "${simulator[0]}"
echo "packages checked: ${main[0]} ${simulator[0]}"
