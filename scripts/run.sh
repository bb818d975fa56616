#!/usr/bin/env bash
# Builds everything and starts the filer under Wine: dist/Qd.exe, or where
# the machine cannot run 32-bit programs the x86_64 build of the same sources
# (build/win64/dist/Qd.exe). On your display when DISPLAY is set, otherwise
# on a private Xvfb, where it saves a screenshot of the window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset native >/dev/null && cmake --build --preset native
cmake --preset win32 >/dev/null && cmake --build --preset win32

. scripts/wine-env.sh
qd_wine_vars
if [ "$QD_PRESET" != win32 ]; then
  echo "$QD_WINE_WHY: running the $QD_PRESET build under wine64"
  cmake --preset "$QD_PRESET" >/dev/null && cmake --build --preset "$QD_PRESET"
fi
exe_name=${QD_EXE#"$PWD/"}
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  qd_session_start
  echo "starting $exe_name on $DISPLAY"
  qd_wine "$QD_EXE" "$@"
  exit 0
fi

# No display: show it on Xvfb and take a picture.
# A fresh session, so that no Wine process of an earlier one holds another display.
qd_session_stop
unset DISPLAY
qd_session_start
trap qd_session_stop EXIT
echo "starting $exe_name on the Xvfb display $DISPLAY"
qd_wine "$QD_EXE" "$@" </dev/null >"$QD_WINE_DIR/run.log" 2>&1 &
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Qd' && break
  sleep 0.1
done
sleep 2
shot="$PWD/build/qd-screenshot.png"
import -window root "$shot"
echo "Qd is running on the Xvfb display $DISPLAY; screenshot saved to $shot"
if [ -t 0 ]; then
  read -r -p "Press Enter to end it. " _
fi
