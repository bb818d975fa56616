#!/usr/bin/env bash
# Emulator for the cross-built test programs: runs one under the project's Wine prefix.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=$1
shift
case "$exe" in /*) ;; *) exe="$PWD/$exe" ;; esac
# The exe's PE header says which prefix and loader it needs: the i686 build
# runs under wine32, the x86_64 one (preset win64) under wine64.
pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$exe" | tr -d ' ')
case "$machine" in
  8664) export QD_WINE_ARCH=win64 ;;
  *) export QD_WINE_ARCH=win32 ;;
esac
# shellcheck source=../scripts/wine-env.sh
. "$here/../scripts/wine-env.sh"
qd_wine_vars
# The first window of a session starts Wine's desktop process, which inherits
# this program's output and lives on until the desktop stands idle for a
# second: were that output ctest's pipe, ctest would wait for it to close
# while the other tests keep the desktop busy. So the output goes to a file
# and is handed on when the program ends (or is stopped).
out=$(mktemp)
trap 'cat "$out"; rm -f "$out"' EXIT
# One program at a time in a session: two would take the foreground and the
# focus from each other. Where scripts/test.sh started a second session
# (slot 1), a program takes whichever is free; otherwise it waits for the
# first. flock -o keeps the lock out of the processes Wine starts.
run_in_slot() {  # slot, flock's wait option, the program's arguments
  (
    QD_WINE_SLOT=$1
    wait_option=$2
    shift 2
    qd_wine_vars
    qd_wine_prefix >/dev/null
    exec flock -o $wait_option -E 75 "$QD_WINE_DIR/slot$QD_SLOT.lock" \
      "$QD_WINE" "$exe" "$@" >"$out" 2>&1 </dev/null
  )
}
if [ -f "$QD_WINE_DIR/display-1" ]; then
  for _ in $(seq 1 12000); do
    for slot in 0 1; do
      rc=0
      run_in_slot "$slot" -n "$@" || rc=$?
      [ "$rc" = 75 ] || exit "$rc"
    done
    sleep 0.05
  done
fi
run_in_slot 0 "" "$@"
