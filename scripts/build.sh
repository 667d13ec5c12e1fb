#!/usr/bin/env bash
# Configures (once) and builds the whole project into ./build with every core.
# --sanitize: the same tree built with AddressSanitizer and UndefinedBehaviorSanitizer
# into ./build-asan (PW_SANITIZE). PW_JOBS sets the number of parallel jobs.
# CXX=clang++-14 (and CC=clang-14) in the environment builds with clang instead, into
# ./build-clang or ./build-clang-asan.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$("$top/scripts/build-folder.sh" "$@")"
options=()
[[ "${1:-}" == "--sanitize" ]] && options=(-DPW_SANITIZE=ON)
if [[ ! -f "$build/build.ninja" ]]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" --log-level=WARNING >/dev/null
fi
cmake --build "$build" --parallel "${PW_JOBS:-$(nproc)}" -- --quiet
