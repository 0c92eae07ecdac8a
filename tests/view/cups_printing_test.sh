#!/usr/bin/env bash
# Prints the board through the system's print service. Starts CUPS and a print-to-PDF queue when
# they are not there (as root, as in CI), runs the printing test, and leaves the machine as it was.
#   cups_printing_test.sh TEST_PROGRAM
set -euo pipefail
program=$1
if [ "$(id -u)" != 0 ]; then
    echo "skip: setting up a print queue needs root"
    exit 77
fi
for tool in cupsd lpadmin lpstat pdftoppm; do
    command -v "$tool" >/dev/null || { echo "missing $tool (tools/install-packages test)"; exit 1; }
done

started=0 added=0
cleanup() {
    [ "$added" = 1 ] && lpadmin -x PDF || true
    [ "$started" = 1 ] && pkill -x cupsd || true
}
trap cleanup EXIT

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd
    started=1
    for _ in $(seq 100); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
fi
if ! lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
    added=1
fi
lpadmin -d PDF

QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent "$program"
