#!/usr/bin/env bash
# Emulator for the cross-built test programs: runs one under the project's Wine prefix.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../scripts/wine-env.sh
. "$here/../scripts/wine-env.sh"
qd_wine_prefix >/dev/null  # also sets the Wine variables
exe=$1
shift
case "$exe" in /*) ;; *) exe="$PWD/$exe" ;; esac
exec wine "$exe" "$@"
