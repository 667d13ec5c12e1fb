#!/bin/sh
# Repaints resources/art: builds pw_artgen, paints every picture into a scratch folder and
# compresses each PNG to a palette image with pngquant (Debian package "pngquant").
#
#   tools/art/make_art.sh [build folder] [name ...]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-art}
[ $# -gt 0 ] && shift
command -v pngquant >/dev/null || { echo "pngquant is needed: apt-get install pngquant" >&2; exit 1; }
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja
cmake --build "$build" --target pw_artgen
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/tools/art/pw_artgen" "$scratch" --catalog "$root/resources/game_catalog.json" "$@"
mkdir -p "$root/resources/art"
for f in "$scratch"/*.png; do
    pngquant --quality 70-95 --speed 1 --strip --force --output "$root/resources/art/$(basename "$f")" "$f" \
        || cp "$f" "$root/resources/art/"
done
du -sh "$root/resources/art"
