# Sourced by the Wine test scripts. Under tools/wine-tests, CTest hands each
# test one of the run's "screens" (its resource spec file): an X display
# (VEXEL_SCREEN_<id>_DISPLAY) with a Wine prefix of its own. Tests on two
# screens share neither the focus nor a Wine server. Outside such a run the
# test uses $DISPLAY and the build's default prefix.
if [ -n "${CTEST_RESOURCE_GROUP_0_SCREENS:-}" ]; then
  vexel_screen=${CTEST_RESOURCE_GROUP_0_SCREENS#id:}
  vexel_screen=${vexel_screen%%,*}
  vexel_display_variable=VEXEL_SCREEN_${vexel_screen}_DISPLAY
  export DISPLAY=${!vexel_display_variable:?"no display for screen $vexel_screen"}
  export VEXEL_WINEPREFIX=$VEXEL_BUILD_DIR/wineprefix-$vexel_screen
fi
