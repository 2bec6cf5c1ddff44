#!/bin/sh
# Installs what the build and the tests need, only when something is missing.
# Safe to run again: when everything is present it returns at once.
set -e

need=""
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake make g++ mingw-w64 g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
         wine wine32:i386 fonts-wine xvfb xauth imagemagick x11-utils ccache googletest; do
    have_pkg "$p" || need="$need $p"
done

# The test summary is a Python script.
have_cmd python3 || need="$need python3"

[ -z "$need" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
    *" i386 "*) ;;
    *) $SUDO dpkg --add-architecture i386 ;;
esac
echo "setup: installing$need" >&2
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $need >/dev/null
