#!/bin/sh
# Builds and runs every test: the core natively under sanitizers, then the core,
# Win32 and UI tests under Wine in a throwaway prefix on a virtual display.
# Ends with one line "N passed, N failed" and fails when anything failed.
set -u
cd "$(dirname "$0")/.."
ROOT=$PWD
RESULTS="$ROOT/build/test-results"
rm -rf "$RESULTS"
mkdir -p "$RESULTS/native" "$RESULTS/win32"
BUILD_FAILURES=0

if cmake --preset native >/dev/null && cmake --build build/native -j2; then
    GTEST_OUTPUT="xml:$RESULTS/native/" ctest --test-dir build/native --output-on-failure
else
    echo "test: the native build failed" >&2
    BUILD_FAILURES=$((BUILD_FAILURES + 1))
fi

# The entry index's readers and its upkeep on threads of their own, under
# ThreadSanitizer: a race ends the run and counts as a failure.
if cmake --preset native-tsan >/dev/null && cmake --build build/native-tsan -j2 --target core_tests; then
    TSAN_OPTIONS=halt_on_error=1 GTEST_OUTPUT="xml:$RESULTS/native/core_tests_threads.xml" \
        build/native-tsan/tests/core_tests --gtest_filter='EntryIndex*:IndexUpkeep*:IndexSearch*:FolderListWalk*' ||
        BUILD_FAILURES=$((BUILD_FAILURES + 1))
else
    echo "test: the ThreadSanitizer build failed" >&2
    BUILD_FAILURES=$((BUILD_FAILURES + 1))
fi

if cmake --preset win32 >/dev/null && cmake --build build/win32 -j2; then
    . tools/wine-env.sh
    export WINEPREFIX="$ROOT/build/wineprefix-test"
    wineserver -k 2>/dev/null
    rm -rf "$WINEPREFIX"
    wine_prefix_ready
    display_ready
    # A folder of 20,000 files, made on the host in a second rather than
    # through Wine in a minute, for the listing-limit test.
    BIG="$ROOT/build/test-data/twenty-thousand"
    if [ "$(ls "$BIG" 2>/dev/null | wc -l)" -ne 20000 ]; then
        rm -rf "$BIG" && mkdir -p "$BIG"
        python3 -c "import sys; [open('%s/f%05d.txt' % (sys.argv[1], i), 'w').close() for i in range(20000)]" "$BIG"
    fi
    export TRAILMARK_BIG_FOLDER="Z:$(echo "$BIG" | tr '/' '\\')"
    # The walk tests' tree with a link to its own folder and one to a sibling:
    # a Windows program under Wine cannot make links on the host.
    LINKS="$ROOT/build/test-data/links"
    rm -rf "$LINKS" && mkdir -p "$LINKS/top/sub" "$LINKS/other"
    touch "$LINKS/top/a.txt" "$LINKS/top/sub/b.txt" "$LINKS/other/c.txt"
    ln -s . "$LINKS/top/self" && ln -s ../other "$LINKS/top/twin"
    export TRAILMARK_LINK_TREE="Z:$(echo "$LINKS" | tr '/' '\\')"
    WIN_RESULTS="Z:$(echo "$RESULTS/win32/" | tr '/' '\\')"
    GTEST_OUTPUT="xml:$WIN_RESULTS" ctest --test-dir build/win32 --output-on-failure
    wineserver -k 2>/dev/null
    display_done
else
    echo "test: the Windows build failed" >&2
    BUILD_FAILURES=$((BUILD_FAILURES + 1))
fi

python3 tools/test_summary.py "$RESULTS" build/native build/win32 "$BUILD_FAILURES"
