#!/usr/bin/env bash
# Installs what is missing, builds, and starts the playground.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
exec "$top/build/src/app/pipwhistle"
