#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes sure a CUPS scheduler runs and offers the two queues the printer tests use:
#   Kelvarin-PDF       cups-pdf writes each job as its own PDF into /var/spool/cups-pdf/kelvarin
#                      (set in /etc/cups/cups-pdf-kelvarin.conf, read by the "kelvarin" instance)
#   Kelvarin-Refusing  exists but refuses every job, for the failed hand-over
# The machine's default printer is left alone: the tests pick the queue through PRINTER.
# Quick and idempotent; exits non-zero when it cannot do its job (for instance without root).
set -euo pipefail

pdf_queue=Kelvarin-PDF
refusing_queue=Kelvarin-Refusing
out_dir=/var/spool/cups-pdf/kelvarin
instance_conf=/etc/cups/cups-pdf-kelvarin.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

fail() { echo "cups-queue.sh: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "must run as root to start cupsd and add queues"
for tool in cupsd lpadmin lpstat cupsenable cupsaccept cupsreject; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs CUPS)"
done
[ -f "$ppd" ] || fail "$ppd is missing (printer-driver-cups-pdf)"

scheduler_runs() { [[ "$(lpstat -r 2>/dev/null)" == "scheduler is running" ]]; }

# No systemd on CI machines: start the daemon directly and wait for it to answer.
if ! scheduler_runs; then
    mkdir -p /run/cups
    cupsd || fail "cupsd would not start"
    for _ in $(seq 50); do
        scheduler_runs && break
        sleep 0.2
    done
    scheduler_runs || fail "cupsd started but does not answer"
fi

# Our own cups-pdf instance: a fixed folder whatever the user's home, and the job number in every
# file name so that jobs with the same title never overwrite each other.
conf=$'Out '"$out_dir"$'\nLabel 1\nGrp lpadmin\n'
if [ ! -f "$instance_conf" ] || [ "$(cat "$instance_conf")" != "${conf%$'\n'}" ]; then
    printf '%s' "$conf" >"$instance_conf"
fi
mkdir -p "$out_dir"

add_queue() {
    local queue=$1 errors
    [[ "$(lpstat -v "$queue" 2>/dev/null)" == *"cups-pdf:/kelvarin" ]] && return 0
    # lpadmin warns that PPD drivers are deprecated; only a failure's message matters.
    errors=$(lpadmin -p "$queue" -v cups-pdf:/kelvarin -P "$ppd" -o PageSize=A4 2>&1) ||
        fail "lpadmin could not add $queue: $errors"
}

add_queue "$pdf_queue"
# The default renderer turns fonts into Type 3 glyphs whose text no reader can extract;
# pdftocairo keeps them as real text.
lpadmin -p "$pdf_queue" -o pdftops-renderer-default=pdftocairo
cupsenable "$pdf_queue"
cupsaccept "$pdf_queue"

add_queue "$refusing_queue"
cupsenable "$refusing_queue"
cupsreject -r "refuses every job, for Kelvarin's tests" "$refusing_queue"
