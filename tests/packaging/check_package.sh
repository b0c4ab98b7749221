#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build folder with CPack into a temporary folder and checks its
# metadata and file list with dpkg-deb, without installing it; lintian too, when installed.
# Usage: check_package.sh <build folder> <version> <application id> <source folder>
set -euo pipefail
build=$1 version=$2 app_id=$3 source=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && "${KF_CPACK:-cpack}" -G DEB -B "$out" >"$out/cpack.log") || {
    cat "$out/cpack.log" >&2
    fail "cpack could not build the package"
}
deb="$out/keyfarer_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$out")"

# Metadata.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = keyfarer ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
[ "$(field Section)" = education ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ -n "$(field Homepage)" ] || fail "no homepage"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
depends=$(field Depends)
depended=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 \
    libqt6multimedia6 libqt6printsupport6 libspeechd2; do
    grep -qxF "$library" <<<"$depended" ||
        fail "Depends lacks $library (the shared library dependencies were not computed): $depends"
done

# A Wayland desktop needs the toolkit's Wayland plugin, which no linked library brings.
tr ',' '\n' <<<"$(field Recommends)" | sed 's/^ *//; s/ .*//' | grep -qxF qt6-wayland ||
    fail "Recommends lacks qt6-wayland: $(field Recommends)"

# The file list: exactly these, owned by root, with the usual modes.
listing=$(dpkg-deb --contents "$deb")
files=$(awk '$1 !~ /^d/ {print $6}' <<<"$listing" | sed 's|^\./|/|' | sort)
expected=(
    /usr/bin/keyfarer
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/man/man1/keyfarer.1.gz
    /usr/share/doc/keyfarer/copyright
    /usr/share/doc/keyfarer/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
while IFS= read -r shipped; do
    expected+=("/usr/share/keyfarer/$shipped")
done < <(cd "$build"/share/keyfarer && find . -type f | sed 's|^\./||')
# The modules the program loads on first use (charts, printer, sound, speech), in the build's
# library folder under the package's prefix, where the build folder has them too.
modules=$(cd "$build" && find lib -path '*/keyfarer/*.so' | sort)
[ "$(wc -w <<<"$modules")" = 4 ] || fail "the build has not the four modules: $modules"
for module in $modules; do
    expected+=("/usr/$module")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$files") >&2 ||
    fail "the package's files differ from the expected ones (< expected, > packaged)"
awk '{print $2}' <<<"$listing" | grep -vx 'root/root' && fail "a file not owned by root"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x"' <<<"$listing" | grep . && fail "a folder not rwxr-xr-x"
awk '$1 ~ /^-/ && $6 != "./usr/bin/keyfarer" && $1 != "-rw-r--r--"' <<<"$listing" | grep . &&
    fail "a data file not rw-r--r--"
grep -q '^-rwxr-xr-x .* \./usr/bin/keyfarer$' <<<"$listing" || fail "the program is not rwxr-xr-x"

# Contents: a stripped program, and release notes of this very version.
tree="$out/tree"
dpkg-deb --extract "$deb" "$tree"
readelf --sections "$tree/usr/bin/keyfarer" | grep -q '\.symtab' && fail "the program is not stripped"
changelog_version=$(zcat "$tree/usr/share/doc/keyfarer/changelog.gz" | sed -n '1s/^keyfarer (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] ||
    fail "the changelog's latest entry is $changelog_version, the package $version"
release=$(grep -o '<release version="[^"]*"' "$tree/usr/share/metainfo/$app_id.metainfo.xml" |
    head -1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's latest release is $release, the package $version"
grep -q "^Icon=$app_id\$" "$tree/usr/share/applications/$app_id.desktop" || fail "desktop entry icon"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$tree/usr/share/metainfo/$app_id.metainfo.xml" || fail "metainfo launchable"
cmp -s "$tree/usr/share/doc/keyfarer/copyright" "$source/packaging/copyright" || fail "copyright"

if [ -n "${KF_LINTIAN:-}" ]; then
    "$KF_LINTIAN" --fail-on error "$deb" >&2 || fail "lintian reports errors"
fi
echo "debian package: ok ($(du -k "$deb" | cut -f1) KiB; Depends: $depends)"
