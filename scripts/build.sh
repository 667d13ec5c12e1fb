#!/usr/bin/env bash
# Configures (once) and builds the whole project into ./build with every core.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build"
if [[ ! -f "$build/build.ninja" ]]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo --log-level=WARNING >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" -- --quiet
