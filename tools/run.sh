#!/bin/sh
# Starts Trailmark under Wine. Without a display it starts a virtual one, lets
# the program come up, saves a screenshot under build/ and says where.
set -u
cd "$(dirname "$0")/.."
ROOT=$PWD
. tools/wine-env.sh
export WINEPREFIX="$ROOT/build/wineprefix-run"
wine_prefix_ready

EXE="$ROOT/build/win32/bin/Trailmark.exe"
if [ -n "${DISPLAY:-}" ]; then
    exec wine "$EXE"
fi

display_ready
wine "$EXE" &
sleep "${TRAILMARK_SHOT_DELAY:-10}"
SHOT="$ROOT/build/screenshot.png"
import -window root "$SHOT"
wineserver -k
display_done
echo "Trailmark ran on a virtual display; screenshot: $SHOT"
