#!/usr/bin/env bash
# Checks the Wine test harness itself with tests that go wrong on purpose:
# a test that leaves a modal dialog open must end at the time limit and the
# cases after it must still run, a test whose UI script fails an assertion
# must end at once with its failure, and neither may leave a process behind.
# Then, with a stand-in for wine that prints what a test would, that only
# the two named causes earn a second try.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=${1:?usage: check-harness.sh harness_check.exe}
export VEXEL_BUILD_DIR=${VEXEL_BUILD_DIR:-$(cd "$(dirname "$exe")/.." && pwd)}
. "$here/wine-screen.sh"
prefix=${VEXEL_WINEPREFIX:-$VEXEL_BUILD_DIR/wineprefix}
export VEXEL_GTEST=1
failures=0
verdict() {
  echo "${1:-ok}: $2"
  [ -z "$1" ] || failures=$((failures + 1))
}

# Processes of this prefix that run the test; other builds may run the same
# check in prefixes of their own at the same time.
leftovers() {
  local pid
  for pid in $(pgrep -f "$1"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && echo "$pid"
  done
}

# cases | time limit (s) | how it must end | what the output must show
checks=(
  "LeavesAModalDialogOpen:RunsAfterTheHungCase  5  at-limit  LeavesAModalDialogOpen: hung"
  "AFailedScriptAssertionClosesWhatTheTestOpened  60  at-once  the failure this check expects"
)
for row in "${checks[@]}"; do
  read -r cases limit ending shows <<<"$row"
  start=$SECONDS
  output=$(VEXEL_TEST_TIMEOUT=$limit "$here/wine-run.sh" "$exe" --gtest_also_run_disabled_tests \
    --gtest_filter="HarnessCheck.DISABLED_${cases//:/:HarnessCheck.DISABLED_}" 2>&1)
  status=$?
  elapsed=$((SECONDS - start))
  why=
  case $ending in
    # It really hung (not a crash), the wrapper stopped it soon after, and
    # the case after it ran.
    at-limit) [ "$status" -ne 0 ] && [ "$elapsed" -ge "$limit" ] && [ "$elapsed" -le $((limit + 25)) ] &&
      grep -q '^\[       OK \] HarnessCheck.DISABLED_RunsAfterTheHungCase' <<<"$output" || why=FAIL ;;
    # Its own failure status, long before the limit.
    at-once) [ "$status" -eq 1 ] && [ "$elapsed" -le $((limit / 3)) ] || why=FAIL ;;
  esac
  grep -qF "$shows" <<<"$output" || why="FAIL (output lacks '$shows')"
  waited=0
  while [ -n "$(leftovers "DISABLED_${cases%%:*}")" ] && [ "$waited" -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
  [ -n "$(leftovers "DISABLED_${cases%%:*}")" ] && why="FAIL (processes remain)"
  verdict "$why" "$cases (must end $ending): status $status after ${elapsed}s, limit ${limit}s"
  # What the test printed, so that a failed check can be understood.
  [ -z "$why" ] || sed 's/^/    /' <<<"$output" | tail -n 40
done

# A stand-in for wine: each run of the stand-in test prints the next of the
# scripted outputs ("pass", "fail", "focus" or "signal") for its one case;
# the prefix's own calls (a server that has to be started again) go to Wine.
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
real_wine=$(command -v wine)
cat >"$fake/wine" <<EOF
#!/usr/bin/env bash
[ "\$1" = "$fake/test.exe" ] || exec "$real_wine" "\$@"
EOF
cat >>"$fake/wine" <<'EOF'
case " $* " in *" --gtest_list_tests "*) printf 'Suite.\n  Case\n'; exit 0 ;; esac
read -r outcome rest <"$FAKE_SCRIPT"
echo "$rest" >"$FAKE_SCRIPT"
name=${FAKE_CASE:-Suite.Case}
echo "[ RUN      ] $name"
case $outcome in
  pass | signal) echo "[       OK ] $name (1 ms)"; echo "[  PASSED  ] 1 test." ;;
  focus) echo "no window of the test was active after the message box closed"
         echo "[  FAILED  ] $name (1 ms)"; exit 1 ;;
  fail) echo "[  FAILED  ] $name (1 ms)"; exit 1 ;;
esac
[ "$outcome" = signal ] && kill -SEGV $$
exit 0
EOF
chmod +x "$fake/wine"

# outcomes of the runs | case | wrapper status | second tries
retries=(
  "fail pass    Suite.Case  1  0"
  "signal pass  Suite.Case  0  1"
  "signal fail  Suite.Case  1  1"
  "focus pass   DialogFramework.DataExchangeShowsMembersAndValidatesEachField  0  1"
  "focus pass   Other.Case  1  0"
)
for row in "${retries[@]}"; do
  read -r first second name want tries <<<"$row"
  echo "$first $second" >"$fake/script"
  output=$(PATH="$fake:$PATH" FAKE_SCRIPT=$fake/script FAKE_CASE=$name "$here/wine-run.sh" "$fake/test.exe" 2>&1)
  status=$?
  [ "$status" -eq 0 ] || status=1
  seen=$(grep -c '^wine-run: second try' <<<"$output")
  why=
  [ "$status" = "$want" ] && [ "$seen" = "$tries" ] || why=FAIL
  verdict "$why" "$name, $first then $second: status $status (wants $want), $seen second tries (wants $tries)"
done
exit $((failures > 0))
