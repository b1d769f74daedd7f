#!/usr/bin/env bash
# The API reference built by Doxygen: every public class, member, property,
# signal and enumeration documented (Doxygen's warnings log is empty), the
# HTML pages of the controls present, and the .qch help file when Qt's
# qhelpgenerator made one.
# Usage: check-api-reference.sh DOC_DIR WANT_QCH(YES|NO)
set -euo pipefail
doc_dir=$1 want_qch=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

log=$doc_dir/warnings.log
if [ ! -f "$log" ]; then
  fail "no $log: the reference was not built"
elif [ -s "$log" ]; then
  cat "$log"
  fail "Doxygen warns $(wc -l <"$log") times (undocumented members or doc errors)"
else
  echo "ok: Doxygen gives no warning"
fi
for page in index.html classKepler_1_1TMeter.html classKepler_1_1TSpinEdit.html \
            classKepler_1_1TSpinButton.html classKepler_1_1TNeedleLayout.html \
            namespaceKepler_1_1MeterTypes.html; do
  [ -f "$doc_dir/html/$page" ] && echo "ok: $page" || fail "missing html/$page"
done
# Signals and the On... events are in the gauge's page.
grep -q 'OnOverFlow' "$doc_dir/html/classKepler_1_1TMeter.html" || fail "TMeter's page lacks OnOverFlow"
grep -q 'ValueChanged' "$doc_dir/html/classKepler_1_1TMeter.html" || fail "TMeter's page lacks ValueChanged"
if [ "$want_qch" = YES ]; then
  qch=$doc_dir/keplercontrols.qch
  # A .qch file is an SQLite database.
  if [ -f "$qch" ] && head -c 15 "$qch" | grep -q 'SQLite format 3'; then
    echo "ok: keplercontrols.qch"
  else
    fail "no help file keplercontrols.qch for Qt Assistant"
  fi
fi
finish
