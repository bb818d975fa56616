#!/usr/bin/env bash
# The portable check must pass a clean tree and fail each kind of fault.
set -u
check="$(cd "$(dirname "$0")" && pwd)/check-portable.sh"
. "$(dirname "$0")/selftest-support.sh"
fresh() { rm -rf "$tmp/tree"; mkdir -p "$tmp/tree/filer/core" "$tmp/tree/filer/win32"; }

fresh
echo '#include <string>' >"$tmp/tree/filer/core/listing.cpp"
echo '#include <windows.h>' >"$tmp/tree/filer/win32/list_win32.cpp"
expect 0 "a clean tree"

fresh
printf '#include <string>\n  #  include <Windows.h>\n' >"$tmp/tree/filer/core/listing.cpp"
expect 1 "a portable file that includes windows.h"

fresh
echo '#include "filer/win32/list_win32.h"' >"$tmp/tree/filer/core/listing.h"
expect 1 "a portable file that includes a _win32 header"

fresh
echo '#include <shellapi.h>' >"$tmp/tree/filer/core/shell_win32.cpp"
expect 1 "a _win32 file outside a win32/ folder"

fresh
echo '#include <windows.h>' >"$tmp/tree/filer/win32/list.cpp"
expect 1 "a file in a win32/ folder without the suffix"

[ $fail = 0 ] && echo "check-portable: all cases behave"
exit $fail
