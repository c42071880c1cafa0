#!/usr/bin/env bash
# Debian's own checker on the .deb: any error or warning fails. Exit 77 (skipped) when lintian
# or dpkg-deb is not installed.
# Usage: lintian_test.sh BUILD_DIR
source "$(dirname "$0")/install_common.sh"
build=$1
for tool in lintian dpkg-deb; do
  command -v "$tool" >/dev/null || {
    echo "$tool is not installed"
    exit 77
  }
done
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  fail "cpack -G DEB"
}
debs=("$work"/out/kelvoed_*.deb)
[ -f "${debs[0]}" ] || fail "no kelvoed_*.deb in $work/out"
report=$(lintian --no-tag-display-limit "${debs[0]}" 2>&1)
if grep -E '^(E|W): ' <<<"$report"; then
  fail "lintian reports errors or warnings"
fi
echo "lintian accepts ${debs[0]}"
