#!/bin/sh
# Rebuilds the artwork generator and rewrites resources/letters.bmp and
# resources/tavolk.ico.
#
#   tools/art/regenerate.sh          regenerate the files in resources/
#   tools/art/regenerate.sh --check  regenerate into a temporary directory and
#                                    compare byte for byte with resources/;
#                                    exit 0 when equal, 1 when they differ
#                                    (2 when the generator cannot run)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build="$here/build"
resources="$root/resources"
files="letters.bmp tavolk.ico"

mode=write
case "${1:-}" in
    "") ;;
    --check) mode=check ;;
    -h|--help)
        sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        echo "regenerate.sh: unknown option '$1' (try --help)" >&2
        exit 2
        ;;
esac

# The generator is tiny; build output is kept quiet unless something fails.
log=$(mktemp)
tmp=""
cleanup() { rm -f "$log"; if [ -n "$tmp" ]; then rm -rf "$tmp"; fi; }
trap cleanup EXIT
if ! { cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$build" --target make_art; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "regenerate.sh: building the generator failed" >&2
    exit 2
fi

if [ "$mode" = write ]; then
    if ! "$build/make_art" "$resources"; then
        echo "regenerate.sh: the generator failed; resources/ left as it was" >&2
        exit 2
    fi
    echo "wrote $resources/letters.bmp and $resources/tavolk.ico"
    exit 0
fi

tmp=$(mktemp -d)
if ! "$build/make_art" "$tmp"; then
    echo "regenerate.sh: the generator failed" >&2
    exit 2
fi
status=0
for f in $files; do
    if [ ! -f "$resources/$f" ]; then
        echo "missing: resources/$f"
        status=1
    elif cmp -s "$tmp/$f" "$resources/$f"; then
        echo "up to date: resources/$f"
    else
        echo "differs: resources/$f (run tools/art/regenerate.sh)"
        status=1
    fi
done
exit $status
