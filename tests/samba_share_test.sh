#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two machines changing the worksheet index on one SMB share at once, as a classroom's do. Samba's
# smbd serves a folder on the loopback interface; each machine mounts it with smbnetfs (a FUSE SMB
# client, the kind of mount a desktop's file manager makes), has its own host name, adds COUNT
# titles and removes every other one it added. Every change is kept and no lock is left behind.
# It runs as root in a network and mount namespace of its own (so port 445 is its own), and skips
# with the reason where that, Samba, smbnetfs or FUSE is missing.
# Usage: samba_share_test.sh INDEX_HAMMER [COUNT]
set -uo pipefail
PATH=$PATH:/usr/sbin:/sbin # smbd and ip
hammer=$(realpath "$1")
count=${2:-60}
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

if [ -z "${KELVARIN_OWN_NAMESPACES:-}" ]; then
    [ "$(id -u)" = 0 ] || skip "needs root for a network and mount namespace of its own"
    for tool in smbd smbnetfs unshare ip; do
        command -v $tool >/dev/null || skip "$tool is not installed"
    done
    [ -c /dev/fuse ] || skip "there is no /dev/fuse"
    unshare --net --mount --uts true 2>/dev/null || skip "namespaces can't be made here"
    KELVARIN_OWN_NAMESPACES=1 exec unshare --net --mount --propagation private "$0" "$@"
fi

tmp=$(mktemp -d)
cleanup() {
    local running
    running=$(jobs -p)
    [ -n "$running" ] && kill $running 2>/dev/null
    wait
    for mount in "$tmp"/machine1 "$tmp"/machine2; do umount -l "$mount" 2>/dev/null; done
    rm -rf --one-file-system "$tmp"
}
trap cleanup EXIT
ip link set lo up || fail "the loopback interface can't be brought up"

mkdir -p "$tmp"/{server,client,home/.smb,share/multiple,machine1,machine2}
cat >"$tmp/server/smb.conf" <<EOF
[global]
  server role = standalone server
  interfaces = lo
  bind interfaces only = yes
  disable netbios = yes
  map to guest = bad user
  load printers = no
  disable spoolss = yes
  pid directory = $tmp/server
  lock directory = $tmp/server
  state directory = $tmp/server
  cache directory = $tmp/server
  private dir = $tmp/server
  ncalrpc dir = $tmp/server/ncalrpc
  log file = $tmp/server/log
[classroom]
  path = $tmp/share
  read only = no
  guest ok = yes
  force user = root
EOF
cat >"$tmp/home/.smb/smb.conf" <<EOF
[global]
  client min protocol = SMB2
  lock directory = $tmp/client
  state directory = $tmp/client
  cache directory = $tmp/client
EOF
printf 'smb_query_browsers false\nauth "guest" ""\n' >"$tmp/home/.smb/smbnetfs.conf"
chmod 600 "$tmp/home/.smb/smbnetfs.conf"
printf ' 2 \r\nKept 1\r\nKept 2\r\n' >"$tmp/share/multiple/track.txt"

# smbd and smbnetfs end their whole process group when they stop, so each gets a session of its
# own.
setsid smbd --foreground --no-process-group --configfile="$tmp/server/smb.conf" \
    </dev/null >"$tmp/server/out" 2>&1 &
for machine in machine1 machine2; do
    HOME="$tmp/home" setsid smbnetfs "$tmp/$machine" -f \
        -o smb_query_browsers=false,log_file="$tmp/client/$machine.log" </dev/null >/dev/null 2>&1 &
done
for _ in $(seq 100); do
    [ -e "$tmp/machine1/127.0.0.1/classroom/multiple/track.txt" ] &&
        [ -e "$tmp/machine2/127.0.0.1/classroom/multiple/track.txt" ] && break
    sleep 0.2
done
[ -e "$tmp/machine1/127.0.0.1/classroom/multiple/track.txt" ] ||
    skip "smbnetfs could not reach smbd's share: $(tail -n 3 "$tmp"/server/log "$tmp"/client/*.log 2>&1)"
echo "$(smbd --version), smbnetfs $(smbnetfs -V 2>&1 | grep -o '[0-9][0-9.]*' | head -n 1)," \
    "mounted as $(awk -v m="$tmp/machine1" '$2 == m { print $3 }' /proc/mounts)"

# Each machine with its own host name, as two computers in a classroom.
for n in 1 2; do
    (cd "$tmp/machine$n/127.0.0.1/classroom" &&
        exec unshare --uts sh -c 'hostname "$1" && exec "$2" "$3" "$4"' - "machine$n" "$hammer" \
            "Machine$n" "$count") 2>"$tmp/machine$n.err" &
    hammers[n]=$!
done
start=$SECONDS
for n in 1 2; do
    wait "${hammers[n]}" || fail "machine $n stopped: $(head -c 2000 "$tmp/machine$n.err")"
done
echo "two machines made $count changes each in $((SECONDS - start)) s"

expected=$(
    printf 'Kept 1\nKept 2\n'
    for n in 1 2; do for ((i = 2; i <= count; i += 2)); do echo "Machine$n $i"; done; done
)
listed=$(tail -n +2 "$tmp/share/multiple/track.txt" | tr -d '\r')
[ "$(head -n 1 "$tmp/share/multiple/track.txt" | tr -d ' \r')" = "$(echo "$expected" | wc -l)" ] ||
    fail "the index's count is wrong: $(head -n 1 "$tmp/share/multiple/track.txt")"
[ "$(sort <<<"$listed")" = "$(sort <<<"$expected")" ] ||
    fail "changes were lost: $(diff <(sort <<<"$expected") <(sort <<<"$listed") | head -n 20)"
left=$(ls -A "$tmp/share/multiple")
[ "$left" = track.txt ] || fail "left behind in multiple/: $(echo $left)"
echo "every change kept, no lock left behind"
