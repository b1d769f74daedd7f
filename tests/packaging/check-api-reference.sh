#!/usr/bin/env bash
# The API reference built by Doxygen: every public class, member, property,
# signal and enumeration documented (Doxygen's warnings log is empty), the
# HTML pages of the controls present, and the .qch help file when Qt's
# qhelpgenerator made one.
# Every member shown has a summary from its own comment
# (check-api-briefs.py); the first page shows the pictures the build drew;
# the controls' group comes first and the internal classes are left out.
# Usage: check-api-reference.sh DOC_DIR WANT_QCH(YES|NO) PYTHON HEADER_DIR...
set -euo pipefail
doc_dir=$1 want_qch=$2 python=$3
shift 3
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
if "$python" "$here/check-api-briefs.py" "$doc_dir/xml" "$@"; then
  echo "ok: every member has a summary from its own comment"
else
  fail "summaries missing or taken from another member's comment"
fi
# The first page shows gauges and the getting-started window, drawn by the build.
for picture in gauges.png getting-started.png; do
  if [ -s "$doc_dir/html/$picture" ] && grep -q "src=\"$picture\"" "$doc_dir/html/index.html"; then
    echo "ok: the first page shows $picture"
  else
    fail "the first page lacks the picture $picture"
  fi
done
grep -q 'Getting started' "$doc_dir/html/index.html" || fail "the first page has no getting-started section"
# The controls' group is listed first.
first_group=$(grep -o 'href="group__[a-z]*\.html"' "$doc_dir/html/modules.html" | head -1)
[ "$first_group" = 'href="group__controls.html"' ] && echo "ok: the controls are listed first" ||
  fail "the groups do not start with the controls ($first_group)"
for internal in classKepler_1_1TMeterFaceComposer.html structKepler_1_1TMeterSettings.html \
                classKepler_1_1TClickTracker.html structKepler_1_1TMouseMessage.html; do
  [ ! -e "$doc_dir/html/$internal" ] && echo "ok: no page $internal" || fail "internal class listed: $internal"
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
