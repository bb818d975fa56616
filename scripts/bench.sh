#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; prints the table.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target qd_bench
. scripts/wine-env.sh
qd_session_start
trap qd_session_stop EXIT
data="$QD_WINE_DIR/bench-data"
mkdir -p "$data"
# The folders are made from the Linux side: creating a file through Wine
# scans the whole folder for a name that differs only in case, so filling a
# folder of 100,000 that way takes quadratic time. Names, extensions and
# sizes are the ones the benchmark program would make itself.
make_folder() {
  local dir="$data/$1" n=$1 i ext
  [ -f "$dir/.complete" ] && return 0
  rm -rf "$dir"
  mkdir -p "$dir"
  (
    cd "$dir"
    for ((i = 0; i < n; i++)); do
      case $((i % 3)) in 0) ext=txt ;; 1) ext=dat ;; *) ext=log ;; esac
      printf -v name 'file%06d.%s' $(((i * 7919) % n)) "$ext"
      if ((i % 5 == 0)); then printf '%*s' $(((i % 997) * 13)) '' >"$name"; else : >"$name"; fi
    done
  )
  : >"$dir/.complete"
}
make_folder 10000
make_folder 100000
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version)"
wine "$PWD/build/win32/qd_bench.exe" "$(winepath -w "$data")" </dev/null 2>"$QD_WINE_DIR/bench.log" |
  iconv -f CP932 -t UTF-8
