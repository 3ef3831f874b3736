#!/bin/sh
# Regenerate the game's embedded resources (tiles, icon, pictures).
#
#   tools/make-resources.sh            write into res/
#   tools/make-resources.sh DIR        write into DIR (e.g. to compare)
#   tools/make-resources.sh --check    regenerate into a temporary directory
#                                      and compare byte for byte with res/
#
# The game build never runs this; the files committed in res/ are used as
# they are.  Needs cc, libjpeg (libjpeg62-turbo-dev) and Debian's python3
# with numpy and Pillow (python3-numpy, python3-pil).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
python=/usr/bin/python3
quality=88

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

check=no
case "${1:-}" in
    --check) check=yes; out="$work/out" ;;
    "") out="$root/res" ;;
    *) out=$1 ;;
esac
mkdir -p "$out"

cc -O2 -Wall -o "$work/jpegenc" "$here/jpegenc.c" -ljpeg
"$python" "$here/make_resources.py" "$work/ppm"
for f in "$work"/ppm/*.dib "$work"/ppm/*.ico; do
    cp "$f" "$out/"
done
n=1
while [ $n -le 10 ]; do
    # JPEG1-3 are stored at 96 dpi, the others with a plain 1:1 aspect
    if [ $n -le 3 ]; then dens="1 96 96"; else dens="0 1 1"; fi
    # shellcheck disable=SC2086
    "$work/jpegenc" $quality $dens "$work/ppm/JPEG$n.ppm" "$out/JPEG$n.jpg"
    n=$((n + 1))
done

if [ $check = yes ]; then
    status=0
    for f in "$out"/*; do
        name=$(basename "$f")
        if ! cmp -s "$f" "$root/res/$name"; then
            echo "differs: res/$name" >&2
            status=1
        fi
    done
    for f in "$root"/res/*.dib "$root"/res/*.ico "$root"/res/JPEG*.jpg; do
        [ -e "$f" ] || continue
        if [ ! -e "$out/$(basename "$f")" ]; then
            echo "not generated: res/$(basename "$f")" >&2
            status=1
        fi
    done
    [ $status = 0 ] && echo "res/ is up to date ($(ls "$out" | wc -l) files)"
    exit $status
fi
"$python" "$here/check_resources.py" "$out"
