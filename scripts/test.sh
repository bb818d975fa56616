#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively (ASan,
# UBSan), then the Win32 suites and the end-to-end scenarios under Wine.
# dist/ is always the i686 build; where the machine cannot run 32-bit
# programs the Wine suites run on the x86_64 build of the same sources. The
# Wine suites run two at a time, in two sessions (scripts/wine-env.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test

cmake --preset native >/dev/null
cmake --build --preset native
native_log=build/native-ctest.log
ctest --preset native -j2 2>&1 | tee "$native_log"

. scripts/wine-env.sh
qd_wine_vars
cmake --preset win32 >/dev/null
if [ "$QD_PRESET" = win32 ]; then
  cmake --build --preset win32
else
  # dist/ is still made and kept warning-free; the suites are built and run
  # on the 64-bit build instead.
  echo "wine: $QD_WINE_WHY: the Wine suites run on the $QD_PRESET build under wine64"
  cmake --build --preset win32 --target qd_programs
  cmake --preset "$QD_PRESET" >/dev/null
  cmake --build --preset "$QD_PRESET"
fi
qd_test_sessions_start
trap qd_test_sessions_stop EXIT
wine_log=build/$QD_PRESET-ctest.log
set +e
ctest --preset "$QD_PRESET" -j2 2>&1 | tee "$wine_log"
wine_rc=${PIPESTATUS[0]}
set -e

echo
echo "native: $(grep -E 'tests passed|tests failed' "$native_log" | tail -1)"
echo "wine:   $(grep -E 'tests passed|tests failed' "$wine_log" | tail -1) ($QD_PRESET build, $WINEARCH prefix)"
exit "$wine_rc"
