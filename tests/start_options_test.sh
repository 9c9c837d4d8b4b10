#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program as a user does: --help and --version answer without a display, the default
# classroom folder is prepared and shared with the group, and a folder that cannot be made stops
# the program with the reason and a failing exit status, whichever way it was named.
set -uo pipefail
kelvarin=$1
tmp=$(mktemp -d)
trap 'kill "$running" 2>/dev/null; rm -rf "$tmp"' EXIT
running=
fail() { echo "FAIL: $*"; exit 1; }

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$kelvarin" --version) ||
    fail "--version without a display"
[[ "$out" =~ ^kelvarin\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version says '$out'"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$kelvarin" --help) ||
    fail "--help without a display"
[[ "$out" == *"--classroom <folder>"* && "$out" == *KELVARIN_CLASSROOM* ]] ||
    fail "--help does not explain the classroom folder: $out"
[[ "$out" == *"--actual-size"* ]] || fail "--help does not offer the actual size: $out"

export QT_QPA_PLATFORM=offscreen
"$kelvarin" --no-such-option 2>"$tmp/err" && fail "an unknown option is accepted"
grep -q "no-such-option" "$tmp/err" || fail "the unknown option is not named"

# A file where the folder should be: named by the option (which beats the variable) or the variable.
touch "$tmp/share"
for way in option variable; do
    if [ $way = option ]; then
        KELVARIN_CLASSROOM="$tmp/unused" "$kelvarin" --classroom "$tmp/share/kelvarin" 2>"$tmp/err"
    else
        KELVARIN_CLASSROOM="$tmp/share/kelvarin" "$kelvarin" 2>"$tmp/err"
    fi
    status=$?
    [ $status -eq 1 ] || fail "by $way: exit status $status for a folder that cannot be made"
    grep -q "$tmp/share/kelvarin" "$tmp/err" && grep -q "Not a directory" "$tmp/err" ||
        fail "by $way: the message does not give the folder and the reason: $(cat "$tmp/err")"
done
[ -e "$tmp/unused" ] && fail "the variable's folder was used although the option named another"

# An empty folder name is a mistake, not the current directory.
mkdir "$tmp/here"
(cd "$tmp/here" && timeout 20 "$kelvarin" --classroom "" 2>"$tmp/err")
status=$?
[ $status -eq 1 ] || fail "exit status $status for an empty classroom folder name"
grep -q -- "--classroom" "$tmp/err" || fail "the empty folder name is not explained: $(cat "$tmp/err")"
[ -z "$(ls -A "$tmp/here")" ] || fail "the current directory was filled: $(ls "$tmp/here")"

# The default folder, prepared on start, its new files group-writable for the other teachers.
(umask 022 && XDG_DATA_HOME="$tmp/data" exec "$kelvarin") &
running=$!
index="$tmp/data/kelvarin/multiple/track.txt"
picture="$tmp/data/kelvarin/Images/lampsm.jpg"
for _ in $(seq 150); do [ -s "$index" ] && [ -s "$picture" ] && break; sleep 0.2; done
[ -s "$index" ] && [ -s "$picture" ] || fail "the default classroom folder was not prepared"
kill -0 "$running" 2>/dev/null || fail "the program stopped after preparing its folder"
[ "$(stat -c %a "$index")" = 664 ] || fail "the index is $(stat -c %a "$index"), not group-writable"
[ "$(stat -c %a "$tmp/data/kelvarin/multiple")" = 775 ] || fail "multiple/ is not group-writable"
echo "the program starts as its users expect"
