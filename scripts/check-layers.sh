#!/usr/bin/env bash
# Fails when a layer includes a header of a layer above it. Includes are
# rooted at the project root ("filer/ports/frame_port.h"), so the folder an
# include names is the layer it reaches. Checks the tree it is given (the
# project by default).
root=${1:-"$(dirname "$0")/.."}
cd "$root" || exit 2

# Each rule: the folder whose files are checked, the folders they must not
# reach (an extended regular expression over the included path), and why.
rules=(
  "common|(settings|filer|keytool|conftool|viewer)/|common/ holds the text rules of all three programs and reaches nothing above it"
  "settings|(filer|keytool|conftool|viewer)/|settings/ is shared by the three programs and reaches only common/"
  "filer/model|filer/(ports|core|fileops|commands|win32)/|(keytool|conftool|viewer)/|filer/model/ holds plain values and reaches no port and nothing that uses it"
  "keytool|(filer|viewer)/|QdKey links common/ and settings/, nothing of the filer"
  "conftool|(filer|viewer)/|QdConf links common/ and settings/, nothing of the filer"
)

sources_in() {
  [ -d "$1" ] || return 0
  find "$1" \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -print | sort
}

status=0
for rule in "${rules[@]}"; do
  folder=${rule%%|*}
  rest=${rule#*|}
  why=${rest##*|}
  forbidden=${rest%|*}
  bad=$(sources_in "$folder" |
        xargs -r grep -nHE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]($forbidden)")
  if [ -n "$bad" ]; then
    echo "$why:"
    echo "$bad"
    status=1
  fi
done
[ $status = 0 ] && echo "layers: every include points down"
exit $status
