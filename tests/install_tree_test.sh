#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root as a package would and checks what lands there: the
# program, its content, the desktop entry, the metadata, the icons, the man page, the copyright
# file, and the screenshots when the build renders them (SCREENSHOTS 1). The desktop entry and the
# metadata must pass their validators; the metadata names web addresses only under HOMEPAGE.
# Usage: install_tree_test.sh BUILD CONTENT SCREENSHOTS [HOMEPAGE]
set -euo pipefail
build=$1 content=$2 screenshots=$3 homepage=${4:-}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
cd "$root/usr"

expected=(
    bin/kelvarin
    share/applications/org.kelvarin.kelvarin.desktop
    share/metainfo/org.kelvarin.kelvarin.metainfo.xml
    share/icons/hicolor/scalable/apps/org.kelvarin.kelvarin.svg
    share/man/man1/kelvarin.1.gz
    share/doc/kelvarin/copyright
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/org.kelvarin.kelvarin.png")
done
shots=(intro0 multiple propertieslab_completed Welldone-perfect)
if [ "$screenshots" = 1 ]; then
    for shot in "${shots[@]}"; do expected+=("share/doc/kelvarin/screenshots/$shot.png"); done
fi
while IFS= read -r file; do expected+=("share/kelvarin/$file"); done < <(
    cd "$content" && find . -mindepth 2 -type f ! -name '.*' | sed 's|^\./||')

diff <(printf '%s\n' "${expected[@]}" | sort) <(find . -type f | sed 's|^\./||' | sort) ||
    fail "the install tree differs from the list (< expected, > installed)"

[ -x bin/kelvarin ] || fail "the program is not executable"
# A PNG's header gives its width and height as big-endian words after the signature.
icon48=share/icons/hicolor/48x48/apps/org.kelvarin.kelvarin.png
[ "$(od -An -tx1 -N24 "$icon48" | tr -d ' \n')" = 89504e470d0a1a0a0000000d494844520000003000000030 ] ||
    fail "the 48 px icon is not a 48 x 48 PNG"
zcat share/man/man1/kelvarin.1.gz | grep -qF -- '\-\-classroom' || fail "the man page lacks --classroom"
grep -q '^Exec=kelvarin$' share/applications/org.kelvarin.kelvarin.desktop ||
    fail "the desktop entry does not start kelvarin"
head -1 share/doc/kelvarin/copyright | grep -qF 'copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable format"

metainfo=share/metainfo/org.kelvarin.kelvarin.metainfo.xml
if [ -z "$homepage" ]; then
    ! grep -n '://' "$metainfo" || fail "the metadata names a web address without a homepage"
else
    grep -qF "<url type=\"homepage\">$homepage</url>" "$metainfo" || fail "the metadata lacks the homepage"
    for shot in "${shots[@]}"; do
        grep -qF "<image>$homepage/screenshots/$shot.png</image>" "$metainfo" ||
            fail "the metadata lacks the screenshot $shot"
    done
fi

desktop-file-validate share/applications/org.kelvarin.kelvarin.desktop
appstreamcli validate --no-net --explain "$metainfo"
echo "the install tree holds what a desktop needs"
