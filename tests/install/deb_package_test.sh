#!/usr/bin/env bash
# Builds the .deb with cpack, checks its files and dependencies, unpacks it with dpkg -x and
# runs the unpacked kelvo with no --data. Exit 77 (skipped) without dpkg-deb.
# Usage: deb_package_test.sh BUILD_DIR
source "$(dirname "$0")/install_common.sh"
build=$1
command -v dpkg-deb >/dev/null || {
  echo "dpkg-deb is not installed"
  exit 77
}
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log" >&2
  fail "cpack -G DEB"
}
debs=("$work"/out/kelvoed_*.deb)
[ -f "${debs[0]}" ] || fail "no kelvoed_*.deb in $work/out"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = kelvoed ] || fail "package name"
version=$(dpkg-deb -f "$deb" Version)
grep -q "^project(KelvoEd VERSION $version " "$(dirname "$0")/../../CMakeLists.txt" ||
  fail "version $version is not the project's"
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in "${installed_files[@]}"; do
  grep -qx "./usr/$f" <<<"$listing" || fail "the package lacks /usr/$f"
done
if grep -v '^./usr/' <<<"$listing" | grep -q .; then
  fail "files outside /usr: $(grep -v '^./usr/' <<<"$listing" | head -3)"
fi
if command -v dpkg-shlibdeps >/dev/null; then
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6core6 libqt6gui6 libqt6widgets6 libc6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
  done
fi

dpkg -x "$deb" "$work/root"
mkdir "$work/run"
cd "$work/run"
out=$("$work/root/usr/bin/kelvo" check --library male) || fail "unpacked kelvo check failed"
grep -q "Library male" <<<"$out" || fail "unexpected check output: $out"
echo "package $deb is sound"
