#!/usr/bin/env bash
# Real printing: a private CUPS server with a PDF printer as the default,
# then the print test binary against it; then a raw queue that keeps the
# document exactly as the program handed it over, for its texts, fonts and
# colours; then no printer at all. WIDMARK_PRINT_SHOT=<file.png> keeps the
# raw document's page rendered at 300 dpi.
# Usage: print_test.sh <print_test binary>
set -euo pipefail
binary=$1
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the cups-pdf backend only runs under a root cupsd"
  exit 77
fi

dir=$(mktemp -d)
chmod 755 "$dir"
mkdir -p "$dir"/{spool,tmp,cache,state,log,ppd,home,raw,bin/backend}
chmod 1777 "$dir/tmp"  # filters run as lp
sock=$dir/cups.sock
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/bin
DataDir /usr/share/cups
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF

# The system's filters and backends, plus "keep", a backend that stores each
# job's document exactly as it arrives (mode 0700: cupsd runs it as root).
for part in /usr/lib/cups/*; do
  [ "$(basename "$part")" = backend ] || ln -s "$part" "$dir/bin/"
done
ln -s /usr/lib/cups/backend/cups-pdf "$dir/bin/backend/cups-pdf"
cat > "$dir/bin/backend/keep" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct keep "Unknown" "Keeps each job"'; exit 0; }
out=${DEVICE_URI#keep:}
if [ $# -ge 6 ]; then cp "$6" "$out/job-$1.pdf"; else cat > "$out/job-$1.pdf"; fi
BACKEND
chmod 700 "$dir/bin/backend/keep"
cat > "$dir/cupsd.conf" <<CONF
Listen $sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd_pid=$!
trap 'kill $cupsd_pid 2> /dev/null; wait $cupsd_pid 2> /dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -S "$sock" ] && break; sleep 0.1; done
[ -S "$sock" ] || { echo "cupsd did not start"; cat "$dir/log/error_log" 2> /dev/null; exit 1; }

lpadmin -h "$sock" -p WidmarkPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -h "$sock" -d WidmarkPDF

# cups-pdf writes to Out in /etc/cups/cups-pdf.conf, ${HOME}/PDF by default.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | tail -n 1)
out=${out:-'${HOME}/PDF'}
pdf_dir=${out//'${HOME}'/$home}
mkdir -p "$pdf_dir"

export QT_QPA_PLATFORM=offscreen HOME=$dir/home
CUPS_SERVER=$sock WIDMARK_PDF_DIR=$pdf_dir "$binary" printsOneJobOfTheWindow || {
  cat "$dir/log/error_log" 2> /dev/null
  exit 1
}
# No PPD: a raw queue, which declares no colour.
lpadmin -h "$sock" -p WidmarkRaw -E -v "keep:$dir/raw"
lpadmin -h "$sock" -d WidmarkRaw
CUPS_SERVER=$sock WIDMARK_PDF_DIR=$dir/raw WIDMARK_RAW=1 "$binary" printsOneJobOfTheWindow || {
  cat "$dir/log/error_log" 2> /dev/null
  exit 1
}

CUPS_SERVER=$dir/nobody.sock WIDMARK_NO_PRINTER=1 "$binary" noPrinterIsReportedAndNothingChanges
