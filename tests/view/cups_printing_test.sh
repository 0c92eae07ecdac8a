#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the board through CUPS and a print-to-PDF queue. The script starts a print server of its
# own: configuration, spool, logs and socket in a temporary folder, found by the test through
# CUPS_SERVER. The system's print server, queues and default printer are never touched.
#   cups_printing_test.sh TEST_PROGRAM
set -euo pipefail
program=$1
if [ "$(id -u)" != 0 ]; then
    # The cups-pdf backend runs only as root.
    echo "skip: the print-to-PDF backend needs root"
    exit 77
fi
for tool in cupsd lpadmin lpstat pdftoppm unshare mount; do
    command -v "$tool" >/dev/null || { echo "missing $tool (tools/install-packages test)"; exit 1; }
done
backend_config=/etc/cups/cups-pdf.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for file in /usr/lib/cups/backend/cups-pdf "$backend_config" "$ppd"; do
    [ -e "$file" ] || { echo "missing $file (package printer-driver-cups-pdf)"; exit 1; }
done

# A mount namespace of its own, whose mounts never reach the system's. In a plain chroot, whose
# root folder is no mount point, there is none.
if ! unshare --mount --propagation private true 2>/dev/null; then
    echo "skip: no private mount namespace here (is / a mount point?)"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tolvane-cups.XXXXXX")
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP

# The filters run as the user lp, which must reach the spool.
chmod 755 "$work"
mkdir -p "$work"/{etc/ppd,etc/ssl,spool/tmp,cache,state,log,pdf,pdf-spool}
socket=$work/cups.sock
# A socket's path has room for 107 bytes.
[ ${#socket} -lt 100 ] || { echo "the temporary folder's path is too long: $work"; exit 1; }

cat >"$work/etc/cups-files.conf" <<EOF
ServerRoot $work/etc
ServerKeychain $work/etc/ssl
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
SystemGroup root
EOF
cat >"$work/etc/cupsd.conf" <<EOF
Listen $socket
Browsing No
WebInterface No
LogLevel warn
DefaultPolicy private
<Policy private>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# The backend reads its settings from a fixed path; the server gets its own settings there, in a
# mount namespace that only it and its backends see.
cat >"$work/cups-pdf.conf" <<EOF
Out $work/pdf
AnonDirName $work/pdf
Spool $work/pdf-spool
Log $work/log
Grp root
LogType 1
EOF

unshare --mount --propagation private sh -c \
    'mount --bind "$1" "$2" && exec cupsd -f -c "$3" -s "$4"' cupsd \
    "$work/cups-pdf.conf" "$backend_config" "$work/etc/cupsd.conf" "$work/etc/cups-files.conf" &
server_pid=$!

export CUPS_SERVER=$socket
running() { lpstat -r 2>/dev/null | grep -q "is running"; }
for _ in $(seq 100); do
    running && break
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
done
if ! running; then
    echo "the private print server did not start:"
    cat "$work/log/error_log" 2>/dev/null || true
    exit 1
fi
# The queue and its default are made on the private server named here, never on the system's.
lpadmin -h "$socket" -p PDF -v cups-pdf:/ -E -P "$ppd" 2>/dev/null
lpadmin -h "$socket" -d PDF

status=0
QT_QPA_PLATFORM=offscreen PULSE_SERVER=unix:/nonexistent TOLVANE_PRINT_OUTPUT=$work/pdf \
    "$program" || status=$?
if [ "$status" != 0 ] && [ -s "$work/log/error_log" ]; then
    echo "the print server's log:"
    cat "$work/log/error_log"
fi
exit "$status"
