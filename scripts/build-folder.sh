#!/usr/bin/env bash
# Prints the build folder of the tree scripts/build.sh and scripts/test.sh work in:
# ./build, or ./build-asan with --sanitize; a tree built with clang (CXX=clang++-14 in the
# environment when the folder is first configured) has a folder of its own,
# ./build-clang or ./build-clang-asan, so the two compilers never share one.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build"
[[ "$(basename "${CXX:-}")" == clang* ]] && build+="-clang"
[[ "${1:-}" == "--sanitize" ]] && build+="-asan"
echo "$build"
