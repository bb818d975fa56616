#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; prints the table. Where the
# machine cannot run 32-bit programs they run on the x86_64 build (win64).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/wine-env.sh
qd_wine_vars
cmake --preset "$QD_PRESET" >/dev/null
cmake --build --preset "$QD_PRESET" --target qd_bench qd_paste_bench qd_find_bench
qd_session_start
trap qd_session_stop EXIT
data="$QD_WINE_DIR/bench-data"
mkdir -p "$data"
# The folders are made from the Linux side: creating a file through Wine
# scans the whole folder for a name that differs only in case, so filling a
# folder of 100,000 that way takes quadratic time. Names (10 to 60 bytes in
# CP932, Japanese ones among them), extensions and sizes are the ones the
# benchmark program would make itself (BenchName, BenchSize).
words=("" file 報告書 写真 Report データ ソフト ｱｲｳｴｵ)
tails=("" _draft _最終版 " (コピー)" _2024-01-15_会議資料_改訂 _long_descriptive_name_for_search
  の写真とメモ_バックアップ用_2023年度版_最新2)
exts=(txt dat log)
make_folder() {
  local dir="$data/$1" n=$1 i name
  [ -f "$dir/.complete2" ] && return 0
  rm -rf "$dir"
  mkdir -p "$dir"
  (
    cd "$dir"
    for ((i = 0; i < n; i++)); do
      printf -v name '%s%06d%s.%s' "${words[i % 8]}" $(((i * 7919) % n)) "${tails[(i / 8) % 7]}" \
        "${exts[i % 3]}"
      if ((i % 5 == 0)); then printf '%*s' $(((i % 997) * 13)) '' >"$name"; else : >"$name"; fi
    done
  )
  : >"$dir/.complete2"
}
make_folder 10000
make_folder 100000
# The find benchmark's tree: 1,000 folders (10, and 99 below each) of 100
# files, with the names qd_find_bench would make itself.
make_tree() {
  local tree="$data/tree" t s f exts=(txt dat log doc)
  [ -f "$tree/.complete" ] && return 0
  rm -rf "$tree"
  for ((t = 0; t < 10; t++)); do
    local top
    printf -v top '%s/資料%02d' "$tree" $t
    for dir in "$top" $(for ((s = 0; s < 99; s++)); do printf '%s/表示_%03d ' "$top" $s; done); do
      mkdir -p "$dir"
      (cd "$dir" && for ((f = 0; f < 100; f++)); do printf -v n '報告書_%03d_report.%s' $f "${exts[f % 4]}"; : >"$n"; done)
    done
  done
  : >"$tree/.complete"
}
make_tree
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(qd_wine --version), $QD_PRESET build"
qd_wine "$PWD/build/$QD_PRESET/qd_bench.exe" "$(qd_wine winepath -w "$data")" </dev/null 2>"$QD_WINE_DIR/bench.log" |
  iconv -f CP932 -t UTF-8
# The filer's side of a paste of 10,000 items (its rows are made in memory).
echo
qd_wine "$PWD/build/$QD_PRESET/qd_paste_bench.exe" "$(qd_wine winepath -w "$data")" </dev/null \
  2>>"$QD_WINE_DIR/bench.log" | iconv -f CP932 -t UTF-8
echo
qd_wine "$PWD/build/$QD_PRESET/qd_find_bench.exe" "$(qd_wine winepath -w "$data")" </dev/null \
  2>>"$QD_WINE_DIR/bench.log" | iconv -f CP932 -t UTF-8
