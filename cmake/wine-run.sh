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
qd_wine_prefix >/dev/null  # also sets the Wine variables
exec "$QD_WINE" "$exe" "$@"
