#!/usr/bin/env bash
# Makes the build tree's private Wine prefix once and keeps one wineserver up
# for the whole test run ("up"), or stops that server ("down").
# Wine's background services inherit the first wine call's output, so every
# call here writes to a log file, never to the caller's pipes.
set -u
build=${VEXEL_BUILD_DIR:?VEXEL_BUILD_DIR must name the cross build directory}
export WINEPREFIX=${VEXEL_WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
log=$build/wine-prefix.log

up() {
  exec 9>"$build/wine-prefix.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.vexel-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >>"$log" 2>&1 </dev/null
    wineserver -w
    # The real bitmap MS Sans Serif gives classic dialog units and stable layouts.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>>"$log"
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.vexel-ready"
  fi
  # A persistent server keeps later starts fast.
  wineserver -p >>"$log" 2>&1 </dev/null
  wine cmd /c exit >>"$log" 2>&1 </dev/null
  flock -u 9
}

down() {
  wineserver -k >>"$log" 2>&1
  wineserver -w >>"$log" 2>&1
  return 0
}

case "${1:-up}" in
  up) up ;;
  down) down ;;
  *) echo "usage: $0 up|down" >&2; exit 2 ;;
esac
