#!/usr/bin/env bash
# CTest's emulator for the Windows test executables: runs one under Wine in the
# build tree's private prefix, with a time limit. A test that leaves a modal
# dialog open cannot hang the run: on time-out the Wine processes this call
# started (its own process group) are killed by their ids.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$1
build=${VEXEL_BUILD_DIR:-$(cd "$(dirname "$exe")/.." && pwd)}
export VEXEL_BUILD_DIR=$build
export WINEPREFIX=${VEXEL_WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The slowest test takes about 3 s; ten times that still fails a hung test soon.
limit=${VEXEL_TEST_TIMEOUT:-30}

# Only a check once the run's first call (CTest's wine_prefix_up) set it up.
"$here/wine-prefix.sh" up || { echo "wine-run: could not prepare $WINEPREFIX" >&2; exit 125; }

# The test writes to a file, shown when it ends: Wine starts console hosts
# for a test's console children in sessions of their own, out of reach of the
# kill below, and one that outlived its test kept CTest's pipe open.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
setsid wine "$@" >"$output" 2>&1 &
pid=$!
# Poll rather than sleep in a watchdog: a stray sleep would hold CTest's pipe.
deadline=$((SECONDS + limit))
while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "wine-run: $exe exceeded ${limit}s; killing the processes it started" >&2
  kill -KILL -- "-$pid" 2>/dev/null
fi
wait "$pid"
status=$?
# Anything the test started and left behind goes with it.
kill -KILL -- "-$pid" 2>/dev/null
cat "$output"
exit "$status"
