#!/usr/bin/env bash
# The run script's install step refreshes pictures and clips in a classroom folder but never
# touches what teachers keep in multiple/: their worksheets and the worksheet index.
set -euo pipefail
content=$1
install=$(dirname "$0")/../scripts/install-content.sh
classroom=$(mktemp -d)
trap 'rm -rf "$classroom"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

"$install" "$content" "$classroom"
cmp -s "$classroom/multiple/track.txt" <(printf ' 0 \r\n') || fail "a new classroom starts with an empty index"
[ -s "$classroom/Images/lampsm.jpg" ] || fail "pictures are installed"
[ -s "$classroom/wav/click.wav" ] || fail "clips are installed"

# A teacher's term of work: a saved worksheet, its index entry, an edited topic set.
printf ' 1 \r\nRocks and soils\r\n' > "$classroom/multiple/track.txt"
printf 'Rocks and soils\r\n' > "$classroom/multiple/Rocks and soils.txt"
printf 'Edited by the teacher\r\n' > "$classroom/multiple/Properties of Materials.txt"
printf 'damaged' > "$classroom/Images/lampsm.jpg"
before=$(cd "$classroom/multiple" && sha256sum -- *)

"$install" "$content" "$classroom"
after=$(cd "$classroom/multiple" && sha256sum -- *)
[ "$before" = "$after" ] || fail "multiple/ changed on a second install"
cmp -s "$classroom/Images/lampsm.jpg" "$content/Images/lampsm.jpg" || fail "a damaged picture is refreshed"
echo "install keeps the classroom's worksheets and refreshes the rest"
