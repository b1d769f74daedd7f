# Helpers shared by the install and package checks (sourced, not run).

failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect_in_list LIST PATH: LIST holds one path a line.
expect_in_list() {
  if grep -qxF "$2" <<<"$1"; then
    echo "ok: $2"
  else
    fail "missing $2"
  fi
}

# The files the installation must contain, relative to the install prefix.
# Uses app_id and icon_sizes.
expected_files() {
  echo "bin/keplerprobleme"
  echo "share/applications/${app_id}.desktop"
  echo "share/metainfo/${app_id}.metainfo.xml"
  echo "share/icons/hicolor/scalable/apps/${app_id}.svg"
  for n in $icon_sizes; do
    echo "share/icons/hicolor/${n}x${n}/apps/${app_id}.png"
  done
  echo "share/doc/keplerprobleme/copyright"
  echo "share/doc/keplerprobleme/changelog.gz"
  echo "share/man/man1/keplerprobleme.1.gz"
  echo "share/man/de/man1/keplerprobleme.1.gz"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
