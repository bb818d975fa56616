#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively (ASan,
# UBSan), then the Win32 suites and the end-to-end scenarios under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
native_log=build/native-ctest.log
ctest --preset native -j2 2>&1 | tee "$native_log"

cmake --preset win32 >/dev/null
cmake --build --preset win32

. scripts/wine-env.sh
qd_session_start
trap qd_session_stop EXIT
wine_log=build/win32-ctest.log
set +e
ctest --preset win32 2>&1 | tee "$wine_log"
wine_rc=${PIPESTATUS[0]}
set -e

echo
echo "native: $(grep -E 'tests passed|tests failed' "$native_log" | tail -1)"
echo "wine:   $(grep -E 'tests passed|tests failed' "$wine_log" | tail -1)"
exit "$wine_rc"
