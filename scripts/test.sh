#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# --sanitize: the whole suite built and run under AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-asan; any report fails the test that made it.
# PW_JOBS sets the number of parallel jobs for the build and the tests.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build"
[[ "${1:-}" == "--sanitize" ]] && build="$top/build-asan"
"$top/scripts/install-deps.sh" --test
"$top/scripts/build.sh" "$@"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "${PW_JOBS:-$(nproc)}"
