#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# --sanitize: the whole suite built and run under AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-asan; any report fails the test that made it.
# PW_JOBS sets the number of parallel jobs for the build and the tests. With
# CXX=clang++-14 (and CC=clang-14) in the environment, clang builds the tree, in
# ./build-clang or ./build-clang-asan.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$("$top/scripts/build-folder.sh" "$@")"
"$top/scripts/install-deps.sh" --test
"$top/scripts/build.sh" "$@"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "${PW_JOBS:-$(nproc)}"
