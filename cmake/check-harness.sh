#!/usr/bin/env bash
# Checks the Wine test wrapper itself: a test that leaves a modal dialog open
# must end at the time limit, fail, and leave none of its processes behind.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=${1:?usage: check-harness.sh test_framework.exe}
start=$SECONDS
VEXEL_TEST_TIMEOUT=5 "$here/wine-run.sh" "$exe" --gtest_also_run_disabled_tests \
  --gtest_filter=HarnessCheck.DISABLED_LeavesAModalDialogOpen >/dev/null 2>&1
status=$?
elapsed=$((SECONDS - start))
if [ "$status" -eq 0 ]; then echo "FAIL: the hung test reported success"; exit 1; fi
if [ "$elapsed" -gt 60 ]; then echo "FAIL: the hung test ran ${elapsed}s past its 5s limit"; exit 1; fi
sleep 1
if pgrep -f "LeavesAModalDialogOpen" >/dev/null; then echo "FAIL: processes of the hung test remain"; exit 1; fi
echo "The hung test was stopped after ${elapsed}s with status $status and left no process."
