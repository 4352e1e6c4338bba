#!/bin/sh
# Installs the Debian packages that are missing for playing (play) or for
# building and running every test (test). Run as root, or with sudo at hand.
set -eu

play="cmake ninja-build g++ qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core"
test="$play libgtest-dev libbenchmark-dev python3 scowl"

case "${1:-play}" in
    play) wanted=$play ;;
    test) wanted=$test ;;
    *)
        echo "usage: $0 [play|test]" >&2
        exit 2
        ;;
esac

missing=""
for p in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "These packages are missing and installing them needs root:$missing" >&2
    exit 1
fi
$as_root apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq $missing
