#!/usr/bin/env bash
# Configures (once) and builds the whole project into ./build with every core.
# --sanitize: the same tree built with AddressSanitizer and UndefinedBehaviorSanitizer
# into ./build-asan (PW_SANITIZE). PW_JOBS sets the number of parallel jobs.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build"
options=()
if [[ "${1:-}" == "--sanitize" ]]; then
    build="$top/build-asan"
    options=(-DPW_SANITIZE=ON)
fi
if [[ ! -f "$build/build.ninja" ]]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" --log-level=WARNING >/dev/null
fi
cmake --build "$build" --parallel "${PW_JOBS:-$(nproc)}" -- --quiet
