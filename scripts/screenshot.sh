#!/usr/bin/env bash
# Takes a picture of Qd's main window from a real run under Wine, inside a
# Wine virtual desktop on a private Xvfb so that the window has its frame.
# Usage: scripts/screenshot.sh [out.png]   (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
mkdir -p "$(dirname "$out")"
out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"

. scripts/wine-env.sh
qd_wine_vars
if [ "$QD_PRESET" != win32 ]; then
  # Nothing else keeps the 64-bit build current.
  echo "$QD_WINE_WHY: taking the picture of the $QD_PRESET build under wine64"
  cmake --preset "$QD_PRESET" >/dev/null && cmake --build --preset "$QD_PRESET" --target Qd >/dev/null
fi
# A fresh session, so that no Wine process of an earlier one holds another display.
qd_session_stop
unset DISPLAY
qd_session_start
trap qd_session_stop EXIT

shot_dir="$QD_WINE_DIR/screenshot"
rm -rf "$shot_dir"
mkdir -p "$shot_dir"
cp "$QD_EXE" "$shot_dir/"
# A small folder to list, with Japanese names.
sample="$shot_dir/サンプル"
mkdir -p "$sample/表示" "$sample/ソフト" "$sample/docs"
for f in 予定表.xls 能力.doc ポスト.txt ホテル.TXT README.md archive.tar.gz .cvsignore; do
  head -c $(( (RANDOM % 5000) + 1 )) /dev/zero >"$sample/$f"
done
touch -d '2000-07-15 09:05:03' "$sample/README.md"
cd "$sample"
qd_wine explorer /desktop=Qd,1024x768 "$(qd_wine winepath -w "$shot_dir/Qd.exe")" \
  </dev/null >"$QD_WINE_DIR/screenshot.log" 2>&1 &
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Qd"' && break
  sleep 0.1
done
sleep 2
# The window stands at its default place, 268,50 to 727,650.
import -window root -crop 459x600+268+50 +repage "$out"
echo "screenshot of ${QD_EXE#"$QD_ROOT/"} saved to $out"
