#!/usr/bin/env bash
# Builds KelvoEd with its tests and benchmarks and runs every test.
# KELVO_BUILD_DIR and KELVO_CMAKE_ARGS select another build (CI's sanitized one).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
build=${KELVO_BUILD_DIR:-build}
# ccache, when installed, makes rebuilds of unchanged files free.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# shellcheck disable=SC2086
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" ${KELVO_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
