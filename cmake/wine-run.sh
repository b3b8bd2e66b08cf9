#!/usr/bin/env bash
# CTest's emulator for the Windows test executables: runs one under Wine in a
# private prefix, with a time limit.
#
# A GoogleTest executable (VEXEL_GTEST=1) runs all its cases in one Wine
# process, since starting one costs more than most cases take. The limit
# (VEXEL_TEST_TIMEOUT, default 30 s) is per case: a case that runs longer is
# killed with everything its process started, named as hung, and the cases
# after it run in a new process; so does the rest after a case whose process
# died. VEXEL_TEST_PART=K/N runs every Nth case from the Kth, to spread a long
# executable over the shards. Any other program runs once, within the limit.
#
# A failure is final but for two causes, each recognised by what it leaves
# in the output, for which the failed run is tried once more:
#   focus-nowhere  Without a window manager, Wine sometimes left no window
#                  of the test active after a message box closed, so the
#                  focus the program gives back went nowhere (seen in
#                  DialogFramework.DataExchangeShowsMembersAndValidatesEachField,
#                  which then says so in its failure, before the tests ran in
#                  Wine's virtual desktop).
#   loader-signal  Every case passed, and then Wine's own Unix process died of
#                  a signal while the process ended.
# Each second try is announced with a line starting "wine-run: second try".
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$1
shift
build=${VEXEL_BUILD_DIR:-$(cd "$(dirname "$exe")/.." && pwd)}
export VEXEL_BUILD_DIR=$build
. "$here/wine-screen.sh"
export WINEPREFIX=${VEXEL_WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
limit=${VEXEL_TEST_TIMEOUT:-30}
gtest=${VEXEL_GTEST:-0}
for arg in "$@"; do [ "$arg" = --gtest_list_tests ] && gtest=0; done

# Only a check once the run's set-up (CTest's wine_prefix_up) made it.
"$here/wine-prefix.sh" up || { echo "wine-run: could not prepare $WINEPREFIX" >&2; exit 125; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Everything the runs printed and what this wrapper found, shown at the end.
log=$work/log.txt
: >"$log"
note() { echo "wine-run: $*" >>"$log"; }

# Runs the executable once with the given arguments, its output in $out.
# The test writes to a file, not to CTest's pipe: Wine starts console hosts
# for a test's console children in sessions of their own, out of reach of the
# kill below, and one that outlived its test kept CTest's pipe open.
# Sets status, and overran=1 when the limit ended it.
run_once() {
  out=$work/run$((++runs)).txt
  setsid wine "$exe" "$@" >"$out" 2>&1 </dev/null &
  local pid=$! seen=0 count deadline=$((SECONDS + limit))
  overran=0
  # Poll rather than sleep in a watchdog: a stray sleep would hold CTest's pipe.
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$gtest" = 1 ]; then
      count=$(grep -c '^\[ RUN      \]' "$out")
      [ "$count" = "$seen" ] || { seen=$count; deadline=$((SECONDS + limit)); }
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      overran=1
      kill -KILL -- "-$pid" 2>/dev/null
      break
    fi
    sleep 0.1
  done
  wait "$pid"
  status=$?
  # Anything the test started and left behind goes with it.
  kill -KILL -- "-$pid" 2>/dev/null
  tr -d '\r' <"$out" >>"$log"
}

# What one run's cases did: "RUN name", "OK name", "FAILED name", in order.
# The lines that end a case carry its time; the summary's lists do not.
verdicts() {
  tr -d '\r' <"$1" | sed -n -e 's/^\[ RUN      \] \([^ ]*\)$/RUN \1/p' \
    -e 's/^\[ *\(OK\|FAILED\) *\] \([^ ,]*\).* ([0-9]* ms)$/\1 \2/p'
}
# The case a run started and never ended, if any.
unfinished() { verdicts "$1" | awk '{ open = $1 == "RUN" ? $2 : "" } END { if (open != "") print open }'; }

# The executable's cases under the given arguments (their filter, or
# GTEST_FILTER from the environment), one a line.
list_cases() {
  setsid wine "$exe" "$@" --gtest_list_tests 2>/dev/null </dev/null |
    tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  [^ ]/ { print suite $1 }'
}

filter_of() { local IFS=:; echo "--gtest_filter=$*"; }

# Runs the cases the arguments select, or those given, in as few processes
# as they allow. Case failures go to $work/failures ("name: why"), failures
# of the run itself to $work/problems.
run_cases() {
  local pending=("$@") first=1 open
  : >"$work/failures"
  : >"$work/problems"
  : >"$work/started"
  while [ "$first" = 1 ] || [ ${#pending[@]} -gt 0 ]; do
    if [ ${#pending[@]} -gt 0 ]; then
      run_once "${args[@]}" "$(filter_of "${pending[@]}")"
    else
      run_once "${args[@]}"
    fi
    first=0
    verdicts "$out" | awk '$1 == "RUN" { print $2 >> "'"$work/started"'" } $1 == "FAILED" { print $2 ": failed" }' >>"$work/failures"
    open=$(unfinished "$out")
    if [ -z "$open" ]; then
      [ "$overran" = 0 ] || echo "the run exceeded ${limit}s" >>"$work/problems"
      [ "$status" = 0 ] || [ -s "$work/failures" ] || echo "the run ended with status $status" >>"$work/problems"
      return
    fi
    if [ "$overran" = 1 ]; then
      note "$open exceeded ${limit}s; killed the processes it started"
      echo "$open: hung" >>"$work/failures"
    else
      note "the process ended with status $status during $open"
      echo "$open: its process ended" >>"$work/failures"
    fi
    # The cases after it get a process of their own.
    [ ${#pending[@]} -gt 0 ] || mapfile -t pending < <(list_cases "${args[@]}")
    mapfile -t pending < <(printf '%s\n' "${pending[@]}" | grep -vxF -f "$work/started")
  done
}

# This part's share of the cases (VEXEL_TEST_PART=K/N), or nothing for all.
part_cases() {
  local part=${VEXEL_TEST_PART:-}
  [ -n "$part" ] || return 0
  list_cases "${args[@]}" | awk -v k="${part%/*}" -v n="${part#*/}" '(NR - 1) % n == k - 1'
}

# Which named cause a failed run shows, if any.
named_cause() {
  if [ ! -s "$work/failures" ] && [ "$status" -gt 128 ] && [ "$overran" = 0 ] &&
    grep -q '^\[  PASSED  \]' "$out"; then
    echo loader-signal
  elif [ "$(cat "$work/failures")" = "DialogFramework.DataExchangeShowsMembersAndValidatesEachField: failed" ] &&
    grep -q 'no window of the test was active after the message box closed' "$log"; then
    echo focus-nowhere
  fi
}

args=("$@")
runs=0
if [ "$gtest" != 1 ]; then
  started=$SECONDS
  run_once "${args[@]}"
  cat "$log"
  [ "$overran" = 0 ] || echo "wine-run: $exe exceeded ${limit}s; killed the processes it started" >&2
  [ "$status" = 0 ] || echo "wine-run: $(basename "$exe") ended with status $status after $((SECONDS - started)) s" >&2
  exit "$status"
fi

mapfile -t selected < <(part_cases)
if [ -n "${VEXEL_TEST_PART:-}" ] && [ ${#selected[@]} -eq 0 ]; then
  echo "wine-run: part $VEXEL_TEST_PART of $exe has no cases"
  exit 0
fi
run_cases "${selected[@]}"
cause=$(named_cause)
if [ -n "$cause" ]; then
  retry=("${selected[@]}")
  [ "$cause" = loader-signal ] || retry=(DialogFramework.DataExchangeShowsMembersAndValidatesEachField)
  note "second try ($cause): ${retry[*]:-every case}"
  run_cases "${retry[@]}"
fi
cat "$log"
if [ -s "$work/failures" ] || [ -s "$work/problems" ]; then
  echo "wine-run: $(basename "$exe") failed:"
  cat "$work/failures" "$work/problems" | sed 's/^/  /'
  exit 1
fi
exit 0
