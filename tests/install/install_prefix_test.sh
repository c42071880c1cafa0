#!/usr/bin/env bash
# cmake --install into a temporary prefix; the installed kelvo finds the data in
# share/kelvoed without --data and writes what it is asked for.
# Usage: install_prefix_test.sh BUILD_DIR
source "$(dirname "$0")/install_common.sh"
build=$1
prefix=$work/prefix
install_into "$build" "$prefix"
expect_files "$prefix" "${installed_files[@]}"
[ ! -e "$prefix/share/kelvoed/data_big/.generated" ] || fail "the build's stamp file was installed"
[ ! -e "$prefix/bin/kelvoed" ] || fail "data installed beside the programs"
for size in 48 128 256; do
  got=$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/kelvoed.png")
  [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
done

# From another working directory, so nothing is found by accident.
mkdir "$work/run"
cd "$work/run"
out=$("$prefix/bin/kelvo" check --library female) || fail "installed kelvo check failed"
grep -q "Library female" <<<"$out" || fail "unexpected check output: $out"
"$prefix/bin/kelvo" render --library male --random --count 2 --out "face%d.png" ||
  fail "installed kelvo render failed"
for n in 1 2; do
  [ "$(png_size "face$n.png")" = "320x400" ] || fail "face$n.png is not a 320 x 400 portrait"
done
# The thumbnailer's command, as a file manager runs it, on the bundled gallery.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/thumbnailers/kelvoed.thumbnailer")
grep -qx "application/x-kelvoed-gallery;" <(sed -n 's/^MimeType=//p' \
  "$prefix/share/thumbnailers/kelvoed.thumbnailer") || fail "the thumbnailer's MIME type"
grep -q 'type="application/x-kelvoed-gallery"' "$prefix/share/mime/packages/kelvoed.xml" ||
  fail "the thumbnailer names a type the package does not register"
exec_line=${exec_line//%i/$prefix/share/kelvoed/data_big/male.xgl}
exec_line=${exec_line//%o/$work/run/thumb.png}
exec_line=${exec_line//%s/256}
PATH="$prefix/bin:$PATH" bash -c "$exec_line" || fail "the thumbnailer failed: $exec_line"
[ "$(png_size thumb.png)" = "205x256" ] || fail "thumb.png is $(png_size thumb.png), not 205x256"
# --data still overrides the installed data.
if "$prefix/bin/kelvo" --data "$work/run" check --library male >/dev/null 2>&1; then
  fail "--data was ignored"
fi

# The manual page is valid roff and holds every command's help.
if command -v man >/dev/null; then
  page=$(MANWIDTH=100 man -l "$prefix/share/man/man1/kelvo.1.gz" 2>"$work/man.err") ||
    fail "man -l failed: $(cat "$work/man.err")"
  commands=$("$prefix/bin/kelvo" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF > 1 {print $1}')
  [ -n "$commands" ] || fail "no commands in kelvo --help"
  for command in $commands; do
    help=$("$prefix/bin/kelvo" "$command" --help | sed -n 1p | sed 's/^Usage: //')
    grep -qF -- "$help" <<<"$page" || fail "the manual page lacks: $help"
  done
  editor=$(MANWIDTH=100 man -l "$prefix/share/man/man1/KelvoEd.1.gz" 2>"$work/man.err") ||
    fail "man -l KelvoEd.1.gz failed: $(cat "$work/man.err")"
  grep -q "GALLERY" <<<"$editor" || fail "KelvoEd.1 lacks the gallery argument"
fi
for page in kelvo.1.gz KelvoEd.1.gz; do
  gzip -t "$prefix/share/man/man1/$page" || fail "$page is not gzip"
done
echo "installed programs work from $prefix"
