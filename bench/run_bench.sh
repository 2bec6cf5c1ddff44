#!/bin/sh
# Reproduces bench/BENCHMARKS.md: the engine natively and under Wine beside
# find(1) and Wine's "cmd /c dir /s /b", over one generated tree; or, with
# "explorer", a folder listed into a folder window under Wine.
#   bench/run_bench.sh NATIVE_BUILD_DIR WIN32_BUILD_DIR [RUNS]
#   bench/run_bench.sh explorer WIN32_BUILD_DIR [RUNS]
#   bench/run_bench.sh personal WIN32_BUILD_DIR [RUNS [HOLD]]
set -e
if [ "$1" = personal ]; then
    win32=${2:?win32 build dir}
    tree=/tmp/tm-personal-tree
    # 15,000 files in 1,500 folders, made on the host once.
    if [ "$(find "$tree" -type f 2>/dev/null | wc -l)" -ne 15000 ]; then
        rm -rf "$tree"
        python3 -c "
import os, sys
for d in range(1500):
    folder = os.path.join(sys.argv[1], 'd%02d' % (d // 100), 'f%04d' % d)
    os.makedirs(folder)
    for f in range(10):
        with open(os.path.join(folder, 'n%02d%s' % (f, '.txt' if f % 2 else '.dat')), 'w') as out:
            out.write('x' * (f * 100))
" "$tree"
    fi
    . tools/wine-env.sh
    export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix-bench}
    wine_prefix_ready
    display_ready
    wine "$win32/bin/personal_bench.exe" "Z:$(echo "$tree" | tr '/' '\\')" "-${3:-5}" "-${4:-0}"
    display_done
    exit 0
fi
if [ "$1" = explorer ]; then
    win32=${2:?win32 build dir}
    . tools/wine-env.sh
    export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix-browse}
    wine_prefix_ready
    display_ready
    # The folders of 1,000 and 15,000 files are made in %TEMP% on the first run.
    wine "$win32/bin/explorer_bench.exe" "-${3:-7}"
    display_done
    exit 0
fi
native=${1:?native build dir}
win32=${2:?win32 build dir}
runs=${3:-3}
tree=/tmp/tm-bench-tree
export WINEPREFIX=${WINEPREFIX:-$PWD/build/wineprefix-search} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

[ -d "$tree" ] || "$native/bench/search_bench" generate "$tree"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
timed() { # runs "$@" $runs times, prints the median wall time in seconds
    i=0
    while [ $i -lt "$runs" ]; do
        start=$(date +%s.%N); "$@" >/dev/null 2>&1; end=$(date +%s.%N)
        echo "$end - $start" | bc; i=$((i + 1))
    done | median
}
# Warm the cache and the Wine server.
find "$tree" >/dev/null; wine cmd /c exit >/dev/null 2>&1 || true

echo "== native =="
echo "find -iname '*.txt': $(timed find "$tree" -iname '*.txt') s"
"$native/bench/search_bench" run "$tree" "$runs"
echo "== wine =="
echo "cmd /c dir /s /b: $(timed wine cmd /c dir /s /b 'Z:\tmp\tm-bench-tree') s"
wine "$win32/bin/search_bench.exe" run 'Z:\tmp\tm-bench-tree' "$runs"
