#!/usr/bin/env bash
# Runs each fuzz target in turn for SECONDS_EACH seconds (default 3600) or RUNS_EACH executions,
# whichever ends first, one process at a time, at the lowest priority.
# Usage: tests/fuzz/run_fuzzers.sh BUILD_DIR [TARGET...]
# New inputs collect in $KELVO_FUZZ_WORK/<target> (default /tmp/kelvo-fuzz); crashes land there
# as crash-*, leak-* or timeout-* files. Copy those into tests/fuzz/corpus/<target>/found-*.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?build directory with -DKELVO_FUZZ=ON}" && pwd)
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(keyword_file library_image gallery bitmap_import type_library
  pack_index avatar_settings stored_settings command_line)
work=${KELVO_FUZZ_WORK:-/tmp/kelvo-fuzz}
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  dict=()
  case $target in
    keyword_file | gallery | type_library) dict=(-dict="$here/keywords.dict") ;;
    command_line) dict=(-dict="$here/command_line.dict") ;;
  esac
  (cd "$work/$target" &&
    nice -n 19 "$build/bin/fuzz_$target" -jobs=1 -workers=1 \
      -max_total_time="${SECONDS_EACH:-3600}" -runs="${RUNS_EACH:--1}" \
      -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work/$target/" "${dict[@]}" \
      "$work/$target" "$here/corpus/$target" > "$work/$target.log" 2>&1 || true)
  echo "$target: $(grep -a -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$work/$target"/fuzz-0.log | tail -1)"
done
