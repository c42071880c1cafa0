# Shared by the install tests: a temporary folder removed at exit, failing with a message, and
# an installation of the build into a prefix.
set -euo pipefail

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvo-install-XXXXXX")
cleanup() {
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# install_into BUILD_DIR PREFIX
install_into() {
  cmake --install "$1" --prefix "$2" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    fail "cmake --install into $2"
  }
}

# expect_files ROOT FILE... : every file exists under ROOT.
expect_files() {
  local root=$1
  shift
  for f in "$@"; do
    [ -f "$root/$f" ] || fail "missing $f under $root"
  done
}

installed_files=(
  bin/kelvo
  bin/KelvoEd
  share/kelvoed/data_big/male/dro
  share/kelvoed/data_big/female/dro
  share/kelvoed/data_big/ape/dro
  share/kelvoed/data_big/male.xgl
  share/applications/kelvoed.desktop
  share/mime/packages/kelvoed.xml
  share/thumbnailers/kelvoed.thumbnailer
  share/icons/hicolor/48x48/apps/kelvoed.png
  share/icons/hicolor/128x128/apps/kelvoed.png
  share/icons/hicolor/256x256/apps/kelvoed.png
  share/man/man1/kelvo.1.gz
  share/man/man1/KelvoEd.1.gz
  share/doc/kelvoed/manual.html
  share/doc/kelvoed/copyright
  share/doc/kelvoed/changelog.gz
)

# png_size FILE: "WIDTHxHEIGHT" from the PNG header.
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  echo "${w}x${h}"
}
