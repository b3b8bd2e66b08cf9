#!/usr/bin/env bash
# Makes a private Wine prefix once and keeps one wineserver up for a whole run
# ("up"), or stops that server ("down"). "up" is cheap once the prefix is set
# up and its server runs for the current X display, so callers may repeat it.
# "up-all" and "down-all" do the same for every screen of a sharded run
# (cmake/wine-screen.sh), or for the one prefix outside such a run.
#
# Every prefix starts as a copy of one seed prefix that Wine's own set-up
# made ("seed", which the test command runs while it builds): that set-up
# takes a dozen seconds of both cores, a copy one. The DLL folders are shared
# as hard links: Wine only reads them, and replaces them all alike when its
# own version changes.
#
# How windows meet the X server is part of the prefix's settings:
#   tests      (default) inside Wine's virtual desktop, as large as the test
#              screens. Wine places and activates its windows itself, so it
#              never waits for a window manager (about 2 s for each shown
#              top-level window on a display without one), and it keeps the
#              focus among its own windows: as plain X windows without a
#              window manager, a closed message box sometimes left no window
#              of the test active.
#   desktop    the same in a 640x480 virtual desktop, which draws the window
#              frames (tools/run-panel without a display, the pictures).
#   managed    Wine's default: a person's window manager places the windows.
#
# Wine's menu builder is off, in the environment and in the prefix (for
# programs a test starts with an environment of its own): an installed
# shortcut would otherwise become desktop entries outside the prefix.
#
# Wine's background services inherit the first wine call's output, so every
# call here writes to a log file, never to the caller's pipes.
set -u
build=${VEXEL_BUILD_DIR:?VEXEL_BUILD_DIR must name the cross build directory}
export WINEPREFIX=${VEXEL_WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
log=$build/wine-prefix.log

settings() {
  local managed=N desktop='"Default"' size=640x480
  case $1 in
    tests) size=1280x1024 ;;
    desktop) ;;
    managed) managed=Y desktop=- ;;
    *) echo "wine-prefix: unknown window mode '$1'" >&2; return 2 ;;
  esac
  cat <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]
"winemenubuilder.exe"=""

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="$managed"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"=$desktop

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$size"
EOF
}

# Whether the prefix's wineserver runs: the one process that works in a
# directory named after the prefix's device and inode, as Wine names it.
server_running() {
  local device inode
  read -r device inode < <(stat -L -c '%d %i' "$WINEPREFIX")
  find /proc/[0-9]*/cwd -maxdepth 0 -lname "*/$(printf 'server-%x-%x' "$device" "$inode")" 2>/dev/null | grep -q .
}

# The stamp names the settings in place, so a change of them is applied once.
apply_settings() {
  local mode=$1 wanted="window mode $1"
  [ "$(cat "$WINEPREFIX/.vexel-ready")" != "$wanted" ] || return 0
  # Settings are read when a process starts: apply them with no server up.
  wineserver -k >>"$log" 2>&1; wineserver -w >>"$log" 2>&1
  settings "$mode" >"$WINEPREFIX/drive_c/vexel-settings.reg"
  wine reg import 'C:\vexel-settings.reg' >>"$log" 2>&1 </dev/null || return 1
  wineserver -w
  echo "$wanted" >"$WINEPREFIX/.vexel-ready"
}

# Wine's own set-up of a new prefix, with the real bitmap MS Sans Serif, which
# gives classic dialog units and stable layouts.
make_seed() {
  local seed=$build/wineprefix-seed
  exec 8>"$seed.lock"
  flock 8
  if [ ! -f "$seed/.vexel-ready" ]; then
    rm -rf "$seed"
    (
      export WINEPREFIX=$seed
      wineboot -i >>"$log" 2>&1 </dev/null
      wineserver -w
      cp /usr/share/wine/fonts/* "$seed/drive_c/windows/Fonts/" 2>>"$log"
      echo seed >"$seed/.vexel-ready"
      # Most prefixes run the tests: the seed comes with their settings.
      apply_settings tests
    ) || { flock -u 8; return 1; }
  fi
  flock -u 8
}

# $WINEPREFIX := a copy of the seed.
copy_seed() {
  local seed=$build/wineprefix-seed shared
  make_seed
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  (cd "$seed" && find . -mindepth 1 -maxdepth 1 ! -name drive_c ! -name .vexel-session -exec cp -a {} "$WINEPREFIX/" \;)
  mkdir -p "$WINEPREFIX/drive_c"
  (cd "$seed/drive_c" && find . -mindepth 1 -maxdepth 1 ! -name windows -exec cp -a {} "$WINEPREFIX/drive_c/" \;)
  mkdir -p "$WINEPREFIX/drive_c/windows"
  for shared in "$seed"/drive_c/windows/*; do
    case ${shared##*/} in
      system32 | syswow64 | winsxs) cp -al "$shared" "$WINEPREFIX/drive_c/windows/" ;;
      *) cp -a "$shared" "$WINEPREFIX/drive_c/windows/" ;;
    esac
  done
}

up() {
  local mode=$1 session
  settings "$mode" >/dev/null || return 2
  # One lock per prefix: setting up the desktop prefix must not hold up a test.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  [ -f "$WINEPREFIX/.vexel-ready" ] || copy_seed
  apply_settings "$mode" || { flock -u 9; return 1; }
  # One session per X server: xvfb-run gives each run a display and a fresh
  # authority file, and services started for an earlier one are gone with it.
  session="${DISPLAY:-} ${XAUTHORITY:-}"
  if [ "$(cat "$WINEPREFIX/.vexel-session" 2>/dev/null)" != "$session" ] || ! server_running; then
    wineserver -k >>"$log" 2>&1; wineserver -w >>"$log" 2>&1
    # A persistent server, with the services started here, keeps later starts fast.
    wineserver -p >>"$log" 2>&1 </dev/null
    wine cmd /c exit >>"$log" 2>&1 </dev/null
    echo "$session" >"$WINEPREFIX/.vexel-session"
  fi
  flock -u 9
}

down() {
  wineserver -k >>"$log" 2>&1
  wineserver -w >>"$log" 2>&1
  rm -f "$WINEPREFIX/.vexel-session"
  return 0
}

# Runs "up" or "down" for each screen of a sharded run (VEXEL_SCREENS lists
# their ids), at once, or for the one prefix outside such a run.
each_screen() {
  local verb=$1 id failed=0 pids=()
  if [ -z "${VEXEL_SCREENS:-}" ]; then
    "$verb" tests
    return
  fi
  [ "$verb" = down ] || make_seed
  for id in $VEXEL_SCREENS; do
    (
      CTEST_RESOURCE_GROUP_0_SCREENS=id:$id,slots:1
      . "$(dirname "$0")/wine-screen.sh"
      export WINEPREFIX=$VEXEL_WINEPREFIX
      "$verb" tests
    ) &
    pids+=($!)
  done
  for id in "${pids[@]}"; do wait "$id" || failed=1; done
  return $failed
}

case "${1:-up}" in
  up) up "${2:-tests}" ;;
  down) down ;;
  up-all) each_screen up ;;
  down-all) each_screen down ;;
  seed) make_seed ;;
  *) echo "usage: $0 up [tests|desktop|managed] | down | up-all | down-all | seed" >&2; exit 2 ;;
esac
