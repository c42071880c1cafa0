#!/usr/bin/env bash
# The installed editor started from a read-only prefix writes its used-files log under the XDG
# data home, reads the gallery named on its command line, and leaves the prefix untouched.
# Under xvfb-run when it is there, else on the offscreen platform.
# Usage: installed_editor_log_test.sh BUILD_DIR
source "$(dirname "$0")/install_common.sh"
build=$1
prefix=$work/prefix
install_into "$build" "$prefix"
chmod -R a-w "$prefix"

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
gallery=$prefix/share/kelvoed/data_big/male.xgl
if command -v xvfb-run >/dev/null; then
  setsid xvfb-run -a "$prefix/bin/KelvoEd" "$gallery" >"$work/editor.log" 2>&1 &
else
  QT_QPA_PLATFORM=offscreen setsid "$prefix/bin/KelvoEd" "$gallery" >"$work/editor.log" 2>&1 &
fi
editor=$!
stop_editor() {
  kill -- "-$editor" 2>/dev/null || true
  wait "$editor" 2>/dev/null || true
}
trap 'stop_editor; cleanup' EXIT

# The log grows while the editor starts; the gallery's file is read after the library.
log_dir=$XDG_DATA_HOME/KelvoEd
found=
for _ in $(seq 1 600); do
  if grep -qsF "FileOpen: male.xgl" "$log_dir"/LOG_*_UsedFiles.txt; then
    found=yes
    break
  fi
  kill -0 "$editor" 2>/dev/null || break
  sleep 0.1
done
stop_editor
[ -n "$found" ] || {
  cat "$work/editor.log" >&2
  ls -la "$log_dir" >&2 || true
  fail "no used-files log naming the gallery under $log_dir"
}
log=$(cat "$log_dir"/LOG_*_UsedFiles.txt)
grep -qF "FileOpen: male\dro" <<<"$log" || fail "the library was not read: $log"
if find "$prefix" -name 'LOG_*' | grep -q .; then
  fail "the editor wrote into the read-only prefix"
fi
echo "the editor logs to $log_dir"
