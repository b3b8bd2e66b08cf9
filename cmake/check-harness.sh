#!/usr/bin/env bash
# Checks the Wine test harness itself with tests that go wrong on purpose:
# a test that leaves a modal dialog open must end at the time limit, a test
# whose UI script fails an assertion must end at once with its failure, and
# neither may leave a process behind.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=${1:?usage: check-harness.sh harness_check.exe}
build=${VEXEL_BUILD_DIR:-$(cd "$(dirname "$exe")/.." && pwd)}
prefix=${VEXEL_WINEPREFIX:-$build/wineprefix}

# test | time limit (s) | how it must end
checks=(
  "LeavesAModalDialogOpen                     5   at-limit"
  "AFailedScriptAssertionClosesWhatTheTestOpened 60 at-once"
)

# Processes of this prefix that run the test; other builds may run the same
# check in prefixes of their own at the same time.
leftovers() {
  local pid
  for pid in $(pgrep -f "$1"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && echo "$pid"
  done
}

failures=0
for row in "${checks[@]}"; do
  read -r name limit ending <<<"$row"
  start=$SECONDS
  VEXEL_TEST_TIMEOUT=$limit "$here/wine-run.sh" "$exe" --gtest_also_run_disabled_tests \
    --gtest_filter="HarnessCheck.DISABLED_$name" >/dev/null 2>&1
  status=$?
  elapsed=$((SECONDS - start))
  verdict=
  case $ending in
    # It really hung (not a crash), and the wrapper stopped it soon after.
    at-limit) [ "$status" -ne 0 ] && [ "$elapsed" -ge "$limit" ] && [ "$elapsed" -le $((limit + 25)) ] || verdict=FAIL ;;
    # Its own failure status, long before the limit.
    at-once) [ "$status" -eq 1 ] && [ "$elapsed" -le $((limit / 3)) ] || verdict=FAIL ;;
  esac
  waited=0
  while [ -n "$(leftovers "DISABLED_$name")" ] && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
  [ -n "$(leftovers "DISABLED_$name")" ] && verdict="FAIL (processes remain)"
  echo "${verdict:-ok}: $name (must end $ending): status $status after ${elapsed}s, limit ${limit}s"
  [ -z "$verdict" ] || failures=$((failures + 1))
done
exit $((failures > 0))
