#!/usr/bin/env bash
# The layer check must pass a tree whose includes point down and fail each
# include that points up.
set -u
check="$(cd "$(dirname "$0")" && pwd)/check-layers.sh"
. "$(dirname "$0")/selftest-support.sh"
# A tree where every layer includes what it may: itself and the layers below.
fresh() {
  rm -rf "$tmp/tree"
  local d
  for d in common/win32 settings/win32 filer/model filer/ports filer/core filer/win32 \
           keytool/win32 conftool viewer; do
    mkdir -p "$tmp/tree/$d"
  done
  cd "$tmp/tree" || exit 2
  echo '#include "common/cp932.h"' >common/path.cpp
  printf '#include <windows.h>\n#include "common/path.h"\n' >common/win32/handles_win32.h
  printf '#include "common/path.h"\n#include "resources/command_ids.h"\n' >settings/command_table.h
  echo '#include "settings/settings_file.h"' >settings/win32/profile_win32.h
  printf '#include "common/path.h"\n#include "filer/model/pick_row.h"\n' >filer/model/row_store.h
  echo '#include "filer/model/layout.h"' >filer/ports/frame_port.h
  printf '#include "filer/ports/frame_port.h"\n#include "settings/preferences.h"\n' >filer/core/app.cpp
  echo '#include "filer/core/app.h"' >filer/win32/dialog_win32.cpp
  printf '#include "settings/key_codes.h"\n#include "keytool/bindings.h"\n' >keytool/bindings.cpp
  echo '#include "keytool/bindings.h"' >keytool/win32/main_win32.cpp
  echo '#include "settings/preferences.h"' >conftool/pages.cpp
  echo '#include "filer/model/row_store.h"' >viewer/viewer.cpp
  cd - >/dev/null || exit 2
}
# add FILE LINE: one more include line in a file of the fresh tree
add() { echo "$2" >>"$tmp/tree/$1"; }

fresh
expect 0 "a tree whose includes point down"

# Each include that points up, in a fresh tree of its own.
cases=(
  "common/path.cpp|#include \"settings/settings_file.h\"|common/ includes settings/"
  "common/path.cpp|#include \"filer/model/row_store.h\"|common/ includes filer/"
  "common/win32/handles_win32.h|#include \"filer/win32/dialog_win32.h\"|common/win32/ includes filer/"
  "common/win32/handles_win32.h|#include \"settings/win32/profile_win32.h\"|common/win32/ includes settings/"
  "common/path.cpp|#include \"keytool/bindings.h\"|common/ includes keytool/"
  "common/path.cpp|#include \"conftool/pages.h\"|common/ includes conftool/"
  "common/path.cpp|#include \"viewer/viewer.h\"|common/ includes viewer/"
  "settings/command_table.h|#include \"filer/core/app.h\"|settings/ includes filer/"
  "settings/win32/profile_win32.h|#include \"filer/ports/frame_port.h\"|settings/win32/ includes filer/"
  "settings/command_table.h|#include \"keytool/bindings.h\"|settings/ includes keytool/"
  "settings/command_table.h|#include \"conftool/pages.h\"|settings/ includes conftool/"
  "settings/command_table.h|#include \"viewer/viewer.h\"|settings/ includes viewer/"
  "filer/model/row_store.h|#include \"filer/ports/file_system_port.h\"|filer/model/ includes a port"
  "filer/model/row_store.h|#include \"filer/core/filer_controller.h\"|filer/model/ includes filer/core/"
  "keytool/bindings.cpp|#include \"filer/model/row_store.h\"|keytool/ includes filer/"
  "keytool/win32/main_win32.cpp|#include \"filer/win32/dialog_win32.h\"|keytool/win32/ includes filer/"
  "keytool/bindings.cpp|#include \"viewer/viewer.h\"|keytool/ includes viewer/"
  "conftool/pages.cpp|#include \"filer/ports/frame_port.h\"|conftool/ includes filer/"
  "conftool/pages.cpp|#include \"viewer/viewer.h\"|conftool/ includes viewer/"
  "settings/command_table.h|  #  include  \"filer/core/app.h\"|an include spelled with blanks"
  "common/path.cpp|#include <settings/settings_file.h>|an include in angle brackets"
)
for c in "${cases[@]}"; do
  IFS='|' read -r file line what <<<"$c"
  fresh
  add "$file" "$line"
  expect 1 "$what"
done

# Names that only look like a layer above are no fault.
fresh
add common/path.cpp '#include "common/settings_names.h"'
add settings/command_table.h '// #include "filer/core/app.h" was here'
add filer/model/row_store.h '#include "filer/model/ports_of_rows.h"'
expect 0 "names that only resemble a layer above"

[ $fail = 0 ] && echo "check-layers: all cases behave"
exit $fail
