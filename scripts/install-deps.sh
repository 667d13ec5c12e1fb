#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt (and, with --test,
# test-packages.txt) that are not installed yet. Quiet when nothing is missing.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
lists=("$here/debian-packages.txt")
[[ "${1:-}" == "--test" ]] && lists+=("$here/test-packages.txt")

wanted=$(grep -hvE '^\s*(#|$)' "${lists[@]}")
missing=()
for pkg in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}" >/dev/null
