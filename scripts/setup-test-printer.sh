#!/usr/bin/env bash
# Starts the CUPS scheduler (without systemd) and sets up two PDF printers that the print tests use,
# as root. Safe to run again: a running scheduler is left alone and the queues are set up the same way.
#
#   queue          output folder (one *.pdf per job)                own defaults
#   tavrel-pdf-1   /var/spool/tavrel-test-printers/tavrel-pdf-1     A4 portrait (the default printer)
#   tavrel-pdf-2   /var/spool/tavrel-test-printers/tavrel-pdf-2     Letter landscape
#
# The second printer's defaults differ so that a test can see the reports force A4 portrait.
# The tests find the output folders by these paths. The packages come from scripts/install-packages.sh.
set -euo pipefail

queues=(tavrel-pdf-1 tavrel-pdf-2)
out_root=/var/spool/tavrel-test-printers
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

scheduler_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

queues_ready() {
  for q in "${queues[@]}"; do
    lpstat -p "$q" >/dev/null 2>&1 || return 1
    [ -d "$out_root/$q" ] || return 1
  done
}

if [ "$(id -u)" -ne 0 ]; then
  if scheduler_running && queues_ready; then
    exit 0
  fi
  echo "setup-test-printer.sh: the test printers are missing; run this script as root once" >&2
  exit 1
fi

if ! scheduler_running; then
  cupsd  # daemonises
  for _ in $(seq 1 100); do
    scheduler_running && break
    sleep 0.1
  done
  if ! scheduler_running; then
    echo "setup-test-printer.sh: the CUPS scheduler did not start" >&2
    exit 1
  fi
fi

# Ghostscript, which writes the queue's PDF, merges the font subsets that the PostScript step makes
# under one font name and turns the glyphs whose codes clash (often digits and the point) into
# Type 3 outlines that no text extraction can read. Naming each subset apart keeps them all text.
unique_font_names='/tavrel_cat { exch dup length 2 index length add string dup dup 4 2 roll copy length 4 -1 roll putinterval } bind def /definefont { dup /FontName known { dup /FontName get 128 string cvs (-) tavrel_cat 2 index 128 string cvs tavrel_cat cvn 1 index exch /FontName exch put } if systemdict /definefont get exec } bind def'
gs_call="%s -q -dCompatibilityLevel=%s -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pdfwrite -sOutputFile=\"%s\" -dAutoRotatePages=/PageByPage -dAutoFilterColorImages=false -dColorImageFilter=/FlateEncode -dPDFSETTINGS=/prepress -c '$unique_font_names' -f %s"

for q in "${queues[@]}"; do
  mkdir -p "$out_root/$q"
  chmod 0755 "$out_root/$q"
  # Each queue writes into its own folder; jobs of unknown users land there too.
  printf 'Out %s\nAnonDirName %s\nGSCall %s\n' "$out_root/$q" "$out_root/$q" "$gs_call" > "/etc/cups/cups-pdf-$q.conf"
  # pdftocairo keeps the text as text in the produced PDF (the default renderer turns it into
  # Type 3 glyphs that no text extraction can read).
  if [ "$q" = "${queues[0]}" ]; then
    defaults=(-o PageSize=A4 -o orientation-requested-default=3)
  else
    defaults=(-o PageSize=Letter -o orientation-requested-default=4)
  fi
  if ! said=$(lpadmin -p "$q" -E -v "cups-pdf:/$q" -m "$ppd" -L '' "${defaults[@]}" \
         -o pdftops-renderer-default=pdftocairo 2>&1); then
    echo "$said" >&2
    exit 1
  fi
done
lpadmin -d "${queues[0]}"
